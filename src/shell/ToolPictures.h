#pragma once

#include <QImage>
#include <QRect>

// The pictures of the tool panel that the turtle's settings are read from and copied into:
// the palette strip, the width strip and the three indicators.
namespace ToolPictures {

inline constexpr int kStripWidth = 130;
inline constexpr int kStripHeight = 26;

// Palette strip: a black frame around two rows of eight 16 × 12 cells.
QImage ColorStrip();
// Width strip: silver with a black outline; cell w (1..8) shows a black bar w pixels wide.
QImage WidthStrip();

// Cell c of the palette strip (right and bottom exclusive).
QRect ColorCell(int cell);
// Cell w of the width strip as the width indicator copies it.
QRect WidthCell(int width);

// Empty indicators: a black frame around white, waiting for their first setting.
QImage ColorIndicator();  // 18 × 14, pen and background colour
QImage WidthIndicator();  // 18 × 26

// Copies `source` of `from` into `to` at `target`'s top left, pixel for pixel.
void Copy(const QImage& from, const QRect& source, QImage& to, const QRect& target);

} // namespace ToolPictures
