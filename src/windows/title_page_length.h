// The longest text that fits a line of the report's title page, and the
// warning that says so: the title-page fields and the studio's data share it.
#pragma once

#include <QString>

namespace tipolab {

inline constexpr qsizetype kLongestTitlePageText = 60;

// Characters, not UTF-16 units: a character outside the basic plane counts once.
inline bool fitsTitlePage(const QString& text)
{
    return text.toUcs4().size() <= kLongestTitlePageText;
}

inline QString titlePageLengthWarning()
{
    return QStringLiteral("Per una stampa corretta non digitare dati lunghi più di 60 spazi.");
}

} // namespace tipolab
