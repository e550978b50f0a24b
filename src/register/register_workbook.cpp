#include "register_workbook.h"

#include "core/model.h"
#include "files/error_reasons.h"
#include "state/qt_text.h"
#include "state/system_library.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>
#include <xlsxwriter.h>

namespace tipolab {
namespace {

// The functions of libxlsxwriter the workbook calls. The library, and the
// compression and cryptography libraries it brings, is loaded the first time a
// register is saved as a spreadsheet, not at every start of the program.
#define TIPOLAB_XLSX_FUNCTIONS(X)                                                                  \
    X(workbook_new)                                                                                \
    X(workbook_add_worksheet)                                                                      \
    X(workbook_add_format)                                                                         \
    X(workbook_close)                                                                              \
    X(format_set_bold)                                                                             \
    X(format_set_num_format)                                                                       \
    X(worksheet_write_string)                                                                      \
    X(worksheet_write_number)                                                                      \
    X(worksheet_write_datetime)                                                                    \
    X(worksheet_set_column)                                                                        \
    X(worksheet_freeze_panes)                                                                      \
    X(lxw_strerror)

struct XlsxWriter {
// NOLINTNEXTLINE(bugprone-macro-parentheses): `name` is an identifier
#define TIPOLAB_XLSX_POINTER(name) decltype(&::name) name = nullptr;
    TIPOLAB_XLSX_FUNCTIONS(TIPOLAB_XLSX_POINTER)
#undef TIPOLAB_XLSX_POINTER
};

// libxlsxwriter, loaded on first use and kept; null where it is missing.
const XlsxWriter* xlsxWriter()
{
    static const XlsxWriter* const loaded = []() -> const XlsxWriter* {
        QLibrary* library = loadSystemLibrary(QStringLiteral("xlsxwriter"), 4);
        if (!library) return nullptr;
        static XlsxWriter functions;
#define TIPOLAB_XLSX_RESOLVE(name)                                                                 \
    if (!resolveFunction(*library, #name, functions.name)) return nullptr;
        TIPOLAB_XLSX_FUNCTIONS(TIPOLAB_XLSX_RESOLVE)
#undef TIPOLAB_XLSX_RESOLVE
        return &functions;
    }();
    return loaded;
}

constexpr const char* kHeadings[] = {"Persona",         "Data",    "Scopo",        "Istituto",
                                     "Stato",           "Tipo prevalente", "Codice sintetico",
                                     "Codice analitico", "Avvisi", "File"};
constexpr int kTextColumns = 10;

std::string utf8(const QString& text)
{
    return text.toStdString();
}

struct Sheet {
    const XlsxWriter& x;
    lxw_worksheet* sheet;
    std::vector<double> widths; // in characters, the widest text of each column

    void text(int row, int column, const QString& value, lxw_format* format = nullptr)
    {
        x.worksheet_write_string(sheet, lxw_row_t(row), lxw_col_t(column), utf8(value).c_str(),
                                 format);
        fit(column, double(value.size()));
    }
    void number(int row, int column, double value, lxw_format* format, double width = 8)
    {
        x.worksheet_write_number(sheet, lxw_row_t(row), lxw_col_t(column), value, format);
        fit(column, width);
    }
    void fit(int column, double width)
    {
        if (std::size_t(column) >= widths.size()) widths.resize(std::size_t(column) + 1, 0);
        widths[std::size_t(column)] = std::max(widths[std::size_t(column)], width);
    }
    void setWidths()
    {
        for (std::size_t c = 0; c < widths.size(); ++c)
            x.worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), std::min(widths[c] + 2, 60.0),
                                   nullptr);
    }
};

void writeRows(const XlsxWriter& x, lxw_workbook* book, const std::vector<RegisterRow>& rows)
{
    Sheet s{x, x.workbook_add_worksheet(book, "Valutazioni"), {}};
    lxw_format* heading = x.workbook_add_format(book);
    x.format_set_bold(heading);
    lxw_format* twoDecimals = x.workbook_add_format(book);
    x.format_set_num_format(twoDecimals, "0.00");
    lxw_format* date = x.workbook_add_format(book);
    x.format_set_num_format(date, "dd/mm/yyyy");
    const bool norms = std::any_of(rows.begin(), rows.end(),
                                   [](const RegisterRow& r) { return r.percentiles.has_value(); });
    for (int c = 0; c < kTextColumns; ++c)
        s.text(0, c, QString::fromUtf8(kHeadings[c]), heading);
    for (int t = 1; t <= kTypeCount; ++t) {
        s.text(0, kTextColumns + t - 1, QStringLiteral("anal.rel. %1").arg(typeLetter(t)), heading);
        if (norms)
            s.text(0, kTextColumns + kTypeCount + t - 1,
                   QStringLiteral("percentile %1").arg(typeLetter(t)), heading);
    }
    x.worksheet_freeze_panes(s.sheet, 1, 0);
    int r = 1;
    for (const RegisterRow& row : rows) {
        const bool complete = row.state == RegisterState::Complete;
        s.text(r, 0, row.persona);
        if (const QDate d = row.day; d.isValid()) {
            lxw_datetime when{d.year(), d.month(), d.day(), 0, 0, 0};
            x.worksheet_write_datetime(s.sheet, lxw_row_t(r), 1, &when, date);
            s.fit(1, 10);
        } else {
            s.text(r, 1, row.date);
        }
        s.text(r, 2, row.scopo);
        s.text(r, 3, row.istituto);
        s.text(r, 4, stateText(row));
        s.text(r, 5, complete ? toQString(typeName(row.prevailing)) : QString());
        s.text(r, 6, QString::fromStdString(row.syntheticCode));
        s.text(r, 7, QString::fromStdString(row.analyticCode));
        s.text(r, 8, warningTitlesText(row));
        s.text(r, 9, row.file);
        for (int t = 0; t < kTypeCount && complete; ++t) {
            s.number(r, kTextColumns + t, row.analytic[t] / 100.0, twoDecimals);
            if (row.percentiles)
                s.number(r, kTextColumns + kTypeCount + t, (*row.percentiles)[t], nullptr);
        }
        ++r;
    }
    s.setWidths();
}

void writeSummary(const XlsxWriter& x, lxw_workbook* book, const std::vector<RegisterRow>& rows)
{
    Sheet s{x, x.workbook_add_worksheet(book, "Riepilogo"), {}};
    lxw_format* heading = x.workbook_add_format(book);
    x.format_set_bold(heading);
    const RegisterCounts counts = countRegister(rows);
    s.text(0, 0, QStringLiteral("Valutazioni"), heading);
    s.text(0, 1, QStringLiteral("numero"), heading);
    for (int i = 0; i < 3; ++i) {
        s.text(1 + i, 0, statePlural(RegisterState(i)));
        s.number(1 + i, 1, counts.states[i], nullptr);
    }
    s.text(5, 0, QStringLiteral("Tipo prevalente (complete)"), heading);
    s.text(5, 1, QStringLiteral("numero"), heading);
    for (int t = 1; t <= kTypeCount; ++t) {
        s.text(5 + t, 0, toQString(typeName(t)));
        s.number(5 + t, 1, counts.prevailing[t - 1], nullptr);
    }
    s.setWidths();
}

} // namespace

QString saveRegisterWorkbook(const QString& path, const std::vector<RegisterRow>& rows)
{
    const XlsxWriter* writer = xlsxWriter();
    if (!writer)
        return QStringLiteral("manca la libreria che scrive i fogli di calcolo (libxlsxwriter)");
    const XlsxWriter& x = *writer;
    const QFileInfo target(path);
    const QString temporary =
        target.absoluteDir().filePath(QStringLiteral(".%1.%2.tmp").arg(target.fileName()).arg(::getpid()));
    const std::string temp = QFile::encodeName(temporary).toStdString();
    const mode_t previous = ::umask(077); // the workbook is made for the user alone
    lxw_workbook* book = x.workbook_new(temp.c_str());
    if (!book) {
        ::umask(previous);
        return QString::fromStdString(errorReason(errno ? errno : EIO));
    }
    writeRows(x, book, rows);
    writeSummary(x, book, rows);
    const lxw_error closed = x.workbook_close(book);
    ::umask(previous);
    if (closed != LXW_NO_ERROR) {
        std::remove(temp.c_str());
        return QString::fromUtf8(x.lxw_strerror(closed));
    }
    const std::string name = QFile::encodeName(path).toStdString();
    if (::chmod(temp.c_str(), 0600) != 0 || std::rename(temp.c_str(), name.c_str()) != 0) {
        const int error = errno;
        std::remove(temp.c_str());
        return QString::fromStdString(errorReason(error));
    }
    return {};
}

} // namespace tipolab
