// The page and the look shared by the RTF file, the page count and the preview,
// so that what is counted is what is written. Lengths in twips (1/20 point).
#pragma once

#include <QColor>

namespace tipolab::style {

inline constexpr int kTwipsPerPoint = 20;
inline constexpr int kTwipsPerInch = 1440;

// A4 with margins of 2 cm.
inline constexpr int kPageWidth = 11906;
inline constexpr int kPageHeight = 16838;
inline constexpr int kMargin = 1134;
inline constexpr int kTextWidth = kPageWidth - 2 * kMargin;

// Lines are spaced exactly 1.25 times the largest font size of their
// paragraph: every word processor, and the page count, then give a page the
// same number of lines whatever the stand-in font's own spacing (Century
// Gothic's is a little under 1.25).
inline constexpr int lineHeight(int points)
{
    return points * kTwipsPerPoint * 5 / 4;
}

// Table cells: inner space left and right, above and below, and the grid line.
inline constexpr int kCellPaddingX = 108;
inline constexpr int kCellPaddingY = 15;
inline constexpr int kBorderWidth = 10; // half a point
// Tables stand out into the left margin by the cell padding, so that the text
// in their cells lines up with the text around them.
inline constexpr int kTableIndent = -kCellPaddingX;

// The predefined table format: a heading row in white bold on deep blue (dark
// grey with white text in black and white), a grey grid, black body text.
inline const QColor kHeadingFill(47, 84, 150);
inline const QColor kHeadingText(255, 255, 255);
inline const QColor kGrid(128, 128, 128);
inline const QColor kText(0, 0, 0);

} // namespace tipolab::style
