// The price-list file "listino.txt": the list the program ships, or a newer
// list the supplier sends, one entry a line, read with the program's text-file
// reader and refused whole when it is no sound list.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace tipolab {

inline constexpr char kPriceListFileName[] = "listino.txt";

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

} // namespace tipolab
