#include "turtle/SheetColors.h"

#include <limits>

const std::array<QRgb, kColorCount>& SheetPalette()
{
    static const std::array<QRgb, kColorCount> palette = {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
    };
    return palette;
}

const char* CellColourName(int cell)
{
    // The sheet palette's colours in palette order.
    static constexpr std::array<const char*, kColorCount> names = {
        "czarny", "bordowy", "zielony", "oliwkowy", "granatowy", "fioletowy", "morski", "srebrny",
        "szary", "czerwony", "jasnozielony", "żółty", "niebieski", "różowy", "błękitny", "biały",
    };
    if (cell < 0 || cell >= kColorCount)
        return "?";
    return names[CellSheetIndex(cell)];
}

int ColorToCell(int n)
{
    if (n >= 1 && n <= 6)
        return n + 8;
    if (n >= 9 && n <= 14)
        return n - 8;
    switch (n) {
    case 7: return 8;
    case 8: return 15;
    case 15: return 7;
    default: return n;
    }
}

int CellToColor(int c)
{
    if (c >= 1 && c <= 6)
        return c + 8;
    if (c >= 9 && c <= 14)
        return c - 8;
    switch (c) {
    case 7: return 15;
    case 8: return 7;
    case 15: return 8;
    default: return c;
    }
}

std::uint8_t CellSheetIndex(int cell)
{
    // The strip shows the bright colours on top (cells 0..7) and the dark ones below: cell c
    // holds the sheet palette entry whose stored number maps to it.
    static const std::array<std::uint8_t, kColorCount> paletteIndexOfCell = {
        0, 9, 10, 11, 12, 13, 14, 7, 8, 1, 2, 3, 4, 5, 6, 15};
    return paletteIndexOfCell[static_cast<std::size_t>(cell & 15)];
}

std::uint8_t ColorSheetIndex(int n)
{
    return CellSheetIndex(ColorToCell(n));
}

QRgb CellRgb(int cell)
{
    return SheetPalette()[CellSheetIndex(cell)];
}

std::uint8_t NearestSheetIndex(QRgb colour)
{
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < kColorCount; ++i) {
        const QRgb p = SheetPalette()[static_cast<std::size_t>(i)];
        const int dr = qRed(colour) - qRed(p);
        const int dg = qGreen(colour) - qGreen(p);
        const int db = qBlue(colour) - qBlue(p);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return static_cast<std::uint8_t>(best);
}
