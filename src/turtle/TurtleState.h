#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// The turtle's whole state. One live record in the main window, a copy in every notebook page;
// pages copy it as a whole, so it stays a plain record.
struct TTurtleState {
    bool PenDown = true;
    bool Hidden = false;
    std::int32_t Shape = 3;
    std::int32_t PenColor = 12; // stored colour number
    std::int32_t PenWidth = 2;
    std::int32_t BGColor = 8; // stored colour number
    std::int32_t PenMode = 0; // 0 draw, 1 erase, 2 invert; only the pen dialog uses it
    double X = 0.0;
    double Y = 0.0;
    double Heading = 0.0; // radians, 0 towards +Y, right turns add, never wrapped

    friend bool operator==(const TTurtleState&, const TTurtleState&) = default;
};

// Sheet geometry: the sheet is 256 × 256 pixels and one sheet unit is one pixel.
inline constexpr int kSheetSize = 256;
inline constexpr int kSheetBytes = kSheetSize * kSheetSize;
inline constexpr double kSheetEdge = 127.0; // the turtle stays within −127..127
inline constexpr double kSceneUnitsPerSheetUnit = 10.0;

struct SheetPixel {
    int column = 0;
    int row = 0;
    friend bool operator==(const SheetPixel&, const SheetPixel&) = default;
};

// A turtle value as a whole number: truncated toward zero and held at the ends of the integer's
// range (NaN gives 0), as a plain conversion of a value beyond them is undefined.
template <class Int>
Int TruncateSaturating(double value)
{
    constexpr double kLowest = static_cast<double>(std::numeric_limits<Int>::min());
    constexpr double kBeyondHighest = -kLowest;
    if (std::isnan(value))
        return 0;
    if (value <= kLowest)
        return std::numeric_limits<Int>::min();
    if (value >= kBeyondHighest)
        return std::numeric_limits<Int>::max();
    return static_cast<Int>(value);
}

// The sheet pixel of a turtle point: truncation toward zero, +Y up.
inline SheetPixel PixelOf(double x, double y)
{
    return {TruncateSaturating<int>(x + kSheetEdge), TruncateSaturating<int>(kSheetEdge - y)};
}
