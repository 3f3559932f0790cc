#include "turtle/SmoothPage.h"

#include <algorithm>

void DoubleSmoothly(const std::uint8_t* in, int width, int height, std::uint8_t* out, int top, int bottom)
{
    const std::ptrdiff_t outWidth = 2 * static_cast<std::ptrdiff_t>(width);
    for (int y = std::max(top, 0); y < std::min(bottom, height); ++y) {
        // Beyond the sheet's edge the edge pixels go on, so nothing is rounded off there.
        const std::uint8_t* above = in + static_cast<std::ptrdiff_t>(std::max(y - 1, 0)) * width;
        const std::uint8_t* row = in + static_cast<std::ptrdiff_t>(y) * width;
        const std::uint8_t* below = in + static_cast<std::ptrdiff_t>(std::min(y + 1, height - 1)) * width;
        std::uint8_t* upper = out + 2 * static_cast<std::ptrdiff_t>(y) * outWidth;
        std::uint8_t* lower = upper + outWidth;
        for (int x = 0; x < width; ++x) {
            const std::uint8_t p = row[x];
            const std::uint8_t up = above[x];
            const std::uint8_t down = below[x];
            const std::uint8_t left = row[x > 0 ? x - 1 : 0];
            const std::uint8_t right = row[x + 1 < width ? x + 1 : x];
            std::uint8_t* corner = upper + 2 * x;
            std::uint8_t* lowerCorner = lower + 2 * x;
            // Where opposite neighbours agree the pixel sits inside a straight edge or a line:
            // it stays whole.
            if (up == down || left == right) {
                corner[0] = corner[1] = lowerCorner[0] = lowerCorner[1] = p;
                continue;
            }
            corner[0] = left == up ? up : p;
            corner[1] = up == right ? right : p;
            lowerCorner[0] = left == down ? left : p;
            lowerCorner[1] = down == right ? right : p;
        }
    }
}

SmoothPage::SmoothPage() : half_(static_cast<std::size_t>(2 * kSheetSize) * (2 * kSheetSize)) {}

PictureRows SmoothPage::Make(const std::uint8_t* page, std::uint8_t* picture, int top, int bottom)
{
    // A doubled row depends on the rows beside it: one more row each side per pass.
    constexpr int kHalfSize = 2 * kSheetSize;
    const int pageTop = std::max(top - 1, 0);
    const int pageBottom = std::min(bottom + 1, kSheetSize);
    if (pageTop >= pageBottom)
        return {};
    DoubleSmoothly(page, kSheetSize, kSheetSize, half_.data(), pageTop, pageBottom);
    const int halfTop = std::max(2 * pageTop - 1, 0);
    const int halfBottom = std::min(2 * pageBottom + 1, kHalfSize);
    DoubleSmoothly(half_.data(), kHalfSize, kHalfSize, picture, halfTop, halfBottom);
    return {2 * halfTop, 2 * halfBottom};
}

std::vector<std::uint8_t> SmoothPicture(const std::uint8_t* page)
{
    std::vector<std::uint8_t> picture(SmoothPage::kBytes);
    SmoothPage().Make(page, picture.data());
    return picture;
}
