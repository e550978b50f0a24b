// Numbers as the windows and documents show them: fixed patterns ("0.00",
// "0.000", "0.0") with the decimal separator of the user's regional settings.
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

namespace tipolab {

// A date as the title page shows it, "dddd, d mmm yyyy": "lunedì, 7 dic 2026",
// the day and the month in Italian whatever `locale`, which gives the digits.
QString titlePageDate(const QDate& date, const QLocale& locale = QLocale());

// `value` with exactly `decimals` decimals, no grouping, in `locale`.
QString formatFixed(double value, int decimals, const QLocale& locale = QLocale());
inline QString format00(double v, const QLocale& l = QLocale())
{
    return formatFixed(v, 2, l);
}
inline QString format000(double v, const QLocale& l = QLocale())
{
    return formatFixed(v, 3, l);
}
inline QString format0(double v, const QLocale& l = QLocale())
{
    return formatFixed(v, 1, l);
}

// Reads a number shown in `locale` (or in invariant form); an empty or
// unreadable text gives 0, as a caption read as a value does.
double captionValue(const QString& caption, const QLocale& locale = QLocale());

} // namespace tipolab
