#include "text_lines.h"

#include "files/error_reasons.h"
#include "files/file_io.h"
#include "files/text_encoding.h"

#include <QFile>

namespace tipolab {
namespace {

QString decodeText(std::string_view bytes)
{
    if (bytes.starts_with(kUtf8Bom)) {
        bytes.remove_prefix(kUtf8Bom.size());
        return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    }
    return QString::fromStdString(decodeUnmarked(bytes));
}

} // namespace

QStringList decodeTextLines(const QByteArray& bytes)
{
    const QString text = decodeText(std::string_view(bytes.constData(), bytes.size()));
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n') continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.append(text.mid(start));
    return lines;
}

TextFileRead readTextFile(const QString& path)
{
    const FileRead file = readRegularFile(QFile::encodeName(path).toStdString(), kMaxTextFileSize);
    switch (file.problem) {
    case FileRead::Problem::None:
        break;
    case FileRead::Problem::NotFound:
        return {std::nullopt, QStringLiteral("non esiste")};
    case FileRead::Problem::NotRegular:
        return {std::nullopt, QStringLiteral("non \u00e8 un file ordinario: \u00e8 ") +
                                  QString::fromUtf8(file.kind.data(), file.kind.size())};
    case FileRead::Problem::TooLarge:
        return {std::nullopt, QStringLiteral("\u00e8 pi\u00f9 grande di 4 MB")};
    case FileRead::Problem::OpenFailed:
    case FileRead::Problem::ReadFailed:
        return {std::nullopt, QStringLiteral("non si pu\u00f2 leggere: ") +
                                  QString::fromStdString(errorReason(file.error))};
    }
    return {decodeTextLines(QByteArray::fromStdString(file.bytes)), {}};
}

std::optional<QStringList> readTextLines(const QString& path)
{
    return readTextFile(path).lines;
}

} // namespace tipolab
