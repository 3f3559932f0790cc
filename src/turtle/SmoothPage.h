#pragma once

#include "turtle/TurtleState.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Rows [top, bottom) of a picture.
struct PictureRows {
    int top = 0;
    int bottom = 0;
};

// The page magnified four times for a big view and for pictures, its stair steps turned into
// straight and round edges. Each of two passes doubles the picture: a new pixel at a corner of an
// old one takes the colour of the two neighbours on that side only where they agree with each
// other and not with the other two; elsewhere it keeps the old pixel's colour. So no colour but
// the page's own appears, a pixel's sides towards neighbours of its own colour keep it (thin lines
// stay connected), and a fill gains or loses only the corners of its stair steps.
class SmoothPage {
public:
    static constexpr int kScale = 4;
    static constexpr int kSize = kSheetSize * kScale;
    static constexpr std::size_t kBytes = static_cast<std::size_t>(kSize) * kSize;

    SmoothPage();

    // Makes again the rows of `picture` (kSize rows of kSize bytes, top row first) that page
    // rows [top, bottom) decide, from `page` (kSheetSize rows of kSheetSize palette indices),
    // and answers which rows it made. The picture between the passes is kept from call to call:
    // the rest of the page must be as it was at the last call, and the first call takes it whole.
    PictureRows Make(const std::uint8_t* page, std::uint8_t* picture, int top = 0, int bottom = kSheetSize);

private:
    std::vector<std::uint8_t> half_;
};

// One pass: rows [top, bottom) of `in` (width × height) doubled into rows [2 top, 2 bottom) of
// `out` (2 width × 2 height).
void DoubleSmoothly(const std::uint8_t* in, int width, int height, std::uint8_t* out, int top, int bottom);

// The whole page magnified four times with smooth edges, kSize rows of kSize palette indices.
std::vector<std::uint8_t> SmoothPicture(const std::uint8_t* page);
