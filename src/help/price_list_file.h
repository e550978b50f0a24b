// The price-list file "listino.txt": the list the program ships in its own
// folder, and the newer list the supplier sends, which the counsellor picks to
// refresh it and which is kept in the user's own data folder (the program's
// folder may not be writable). One list entry a line; read with the program's
// text-file reader.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace tipolab {

inline constexpr char kPriceListFileName[] = "listino.txt";

// Where the refreshed list is kept: the user's data folder.
QString refreshedPriceListPath();

// Why `lines` cannot be a price list: a NUL or another control character than
// the tab (line ends are gone from the lines), or no line with text. Empty when
// they can.
QString priceListProblem(const QStringList& lines);

struct PriceListRead {
    std::optional<QStringList> lines;
    QString error; // in Italian, naming the file, when there are no lines
};

// The lines of the price-list file `path`, refused as a whole when it is not
// an ordinary file of at most 4 MB that can be read, or when priceListProblem
// finds something.
PriceListRead readPriceList(const QString& path);

// The list the window shows: the refreshed one where there is a sound one,
// else the list shipped in `programDir`; nothing when neither can be read.
std::optional<QStringList> currentPriceList(const QString& programDir);

// Keeps `lines` as the refreshed list, replacing an earlier one in one step.
// Returns why it failed, in Italian; empty on success.
QString keepRefreshedPriceList(const QStringList& lines);

} // namespace tipolab
