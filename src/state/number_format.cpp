#include "number_format.h"

namespace tipolab {

QString formatFixed(double value, int decimals, const QLocale& locale)
{
    QLocale l = locale;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    if (value == 0) value = 0; // never show "-0.00"
    return l.toString(value, 'f', decimals);
}

QString titlePageDate(const QDate& date, const QLocale& locale)
{
    return locale.toString(date, QStringLiteral("dddd, d MMM yyyy"));
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
