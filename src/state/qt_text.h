// The model's texts (UTF-8 string views) as Qt strings.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace tipolab {

inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toStdString(const QString& text)
{
    return text.toStdString();
}

} // namespace tipolab
