#pragma once

#include "turtle/TurtleState.h"

#include <QRgb>

#include <array>
#include <cstdint>

// The drawing sheet: 256 rows of 256 palette-index bytes, top row first, with its 256-entry
// palette. Entries 0..15 are the sixteen tool colours; 16..255 carry no meaning. A new sheet
// is white.
class SheetBitmap {
public:
    static constexpr std::uint8_t kWhite = 15;

    SheetBitmap();

    std::uint8_t* ScanLine(int row) { return pixels_.data() + row * kSheetSize; }
    const std::uint8_t* ScanLine(int row) const { return pixels_.data() + row * kSheetSize; }
    std::uint8_t* Bits() { return pixels_.data(); }
    const std::uint8_t* Bits() const { return pixels_.data(); }

    static bool Contains(int column, int row)
    {
        return column >= 0 && column < kSheetSize && row >= 0 && row < kSheetSize;
    }
    std::uint8_t At(int column, int row) const { return pixels_[static_cast<std::size_t>(row * kSheetSize + column)]; }
    void Set(int column, int row, std::uint8_t index) { pixels_[static_cast<std::size_t>(row * kSheetSize + column)] = index; }

    const std::array<QRgb, 256>& Palette() const { return palette_; }

private:
    std::array<std::uint8_t, kSheetBytes> pixels_;
    std::array<QRgb, 256> palette_{};
};
