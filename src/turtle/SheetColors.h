#pragma once

#include <QRgb>

#include <array>
#include <cstdint>

// The sixteen colours of the drawing tools. They are numbered three ways:
//  - the sheet palette index 0..15 (black, maroon, green, olive, navy, purple, teal, silver,
//    grey, red, lime, yellow, blue, fuchsia, aqua, white), the byte stored in the sheet;
//  - the stored colour number 0..15, kept in PenColor and BGColor;
//  - the palette cell 0..15 of the palette strip, the number the user sees.
inline constexpr int kColorCount = 16;

// The sheet palette's first sixteen entries, in palette order.
const std::array<QRgb, kColorCount>& SheetPalette();

// Stored colour number → palette cell, and back. Numbers outside 0..15 pass unchanged.
int ColorToCell(int n);
int CellToColor(int c);

// The sheet palette index a palette cell shows, and that of a stored colour number.
std::uint8_t CellSheetIndex(int cell);
std::uint8_t ColorSheetIndex(int n);
// The colour of a palette cell, as the palette strip shows it.
QRgb CellRgb(int cell);
// The Polish name of a palette cell's colour, in UTF-8; "?" for no cell.
const char* CellColourName(int cell);

// The sheet palette index closest to a colour (only the sixteen tool colours are candidates).
std::uint8_t NearestSheetIndex(QRgb colour);
