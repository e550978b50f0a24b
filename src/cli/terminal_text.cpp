#include "terminal_text.h"

#include "core/model.h"
#include "core/scoring.h"
#include "state/qt_text.h"
#include "files/text_encoding.h"

#include <algorithm>

namespace tipolab {

QString terminalSafe(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u < 0xA0))
            out += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

QString terminalSafeBytes(std::string_view bytes)
{
    QString out;
    while (!bytes.empty()) {
        const std::size_t bad = std::min(findInvalidUtf8(bytes), bytes.size());
        out += terminalSafe(QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bad)));
        if (bad == bytes.size()) break;
        out += QStringLiteral("\\x%1").arg(static_cast<unsigned char>(bytes[bad]), 2, 16,
                                           QLatin1Char('0'));
        bytes.remove_prefix(bad + 1);
    }
    return out;
}

void writeFileHeading(QTextStream& out, const QString& file, const QString& persona)
{
    out << terminalSafe(file) << '\n';
    out << QStringLiteral("Persona: ") << terminalSafe(persona) << '\n';
}

void writeIncomplete(QTextStream& err, const QString& file, const QString& outcome,
                     const AssessmentData& data)
{
    err << QStringLiteral("%1: dati incompleti, %2:\n").arg(terminalSafe(file), outcome);
    for (int t = 1; t <= kTypeCount; ++t) {
        const QString type = toQString(typeName(t));
        if (data.types[t - 1].word.isEmpty())
            err << QStringLiteral("  manca il giudizio generale di %1\n").arg(type);
        const CharacteristicRow& row = data.characteristics[t - 1];
        const auto unjudged = std::count_if(row.begin(), row.end(), [](const auto& e) {
            return !e.isTicked() || e.word.isEmpty();
        });
        if (unjudged == kCharacteristicCount)
            err << QStringLiteral("  %1: nessuna caratteristica giudicata\n").arg(type);
        else if (unjudged == 1)
            err << QStringLiteral("  %1: una caratteristica senza giudizio\n").arg(type);
        else if (unjudged > 1)
            err << QStringLiteral("  %1: %2 caratteristiche senza giudizio\n")
                       .arg(type)
                       .arg(unjudged);
        if (const int rest = weightRemainder(row))
            err << QStringLiteral("  %1: le percentuali fanno %2 invece di 100\n")
                       .arg(type)
                       .arg(100 - rest);
    }
}

} // namespace tipolab
