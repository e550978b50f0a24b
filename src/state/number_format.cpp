#include "number_format.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

namespace tipolab {

namespace {

// A value that already has at most `decimals` decimals (up to the error of its
// binary form) is far from any rounding tie: its digits are those of the whole
// number of hundredths (or tenths, thousandths) it stands for, which is how
// the locale writes it too, at a fraction of the cost. Locales with digits or
// signs of their own keep the locale's own writing.
std::optional<QString> writtenDirectly(double value, int decimals, const QLocale& locale)
{
    if (decimals < 0 || decimals > 3 || !(std::fabs(value) < 1e9)) return std::nullopt;
    const double scaled = value * std::pow(10.0, decimals);
    const double whole = std::round(scaled);
    if (std::fabs(scaled - whole) > 1e-6) return std::nullopt;
    if (whole == 0 && value != 0) return std::nullopt; // a sign before nothing
    const QString point = locale.decimalPoint();
    if (point.size() != 1 || locale.zeroDigit() != QLatin1String("0") ||
        locale.negativeSign() != QLatin1String("-"))
        return std::nullopt;

    char digits[24];
    const auto end =
        std::to_chars(digits, digits + sizeof digits, static_cast<long long>(std::fabs(whole))).ptr;
    std::string_view number(digits, end - digits);
    QString text;
    text.reserve(number.size() + decimals + 3);
    if (whole < 0) text += QLatin1Char('-');
    const qsizetype units = qsizetype(number.size()) - decimals;
    if (units <= 0) {
        text += QLatin1Char('0');
    } else {
        text += QLatin1String(number.substr(0, units));
        number.remove_prefix(units);
    }
    if (decimals > 0) {
        text += point.front();
        text += QString(decimals - qsizetype(number.size()), QLatin1Char('0'));
        text += QLatin1String(number);
    }
    return text;
}

} // namespace

QString formatFixed(double value, int decimals, const QLocale& locale)
{
    if (value == 0) value = 0; // never show "-0.00"
    if (std::optional<QString> text = writtenDirectly(value, decimals, locale)) return *text;
    if (locale.numberOptions() & QLocale::OmitGroupSeparator)
        return locale.toString(value, 'f', decimals);
    QLocale l = locale;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l.toString(value, 'f', decimals);
}

QString titlePageDate(const QDate& date, const QLocale& locale)
{
    // The names are the program's own, Italian whatever the system speaks;
    // only the digits are the regional settings'.
    static const QLocale italian(QLocale::Italian, QLocale::Italy);
    return QStringLiteral("%1, %2 %3 %4")
        .arg(italian.toString(date, QStringLiteral("dddd")),
             locale.toString(date, QStringLiteral("d")),
             italian.toString(date, QStringLiteral("MMM")),
             locale.toString(date, QStringLiteral("yyyy")));
}

double captionValue(const QString& caption, const QLocale& locale)
{
    const QString t = caption.trimmed();
    if (t.isEmpty()) return 0;
    bool ok = false;
    double v = locale.toDouble(t, &ok);
    if (!ok) v = QLocale::c().toDouble(t, &ok);
    return ok ? v : 0;
}

} // namespace tipolab
