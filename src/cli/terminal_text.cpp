#include "terminal_text.h"

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
                     const std::vector<std::string>& missing)
{
    err << QStringLiteral("%1: dati incompleti, %2:\n").arg(terminalSafe(file), outcome);
    for (const std::string& line : missing)
        err << "  " << QString::fromStdString(line) << '\n';
}

} // namespace tipolab
