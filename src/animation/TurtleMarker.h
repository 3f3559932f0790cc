#pragma once

#include <QImage>

#include <cstdint>
#include <map>
#include <utility>

// The turtle as a small picture seen from above, turned to its heading, in the colours of the
// chosen character (its body, its shell and the shell's pattern) as near as the sheet's colours
// come, for pictures of the sheet enlarged twice (512 × 512).
class TurtleMarker {
public:
    // Draws the character `shape` standing on sheet point (x, y) with its heading (radians, 0
    // towards +Y, right turns add) into a 512 × 512 frame of sheet colour indices, clipped at its
    // edges.
    void Stamp(std::uint8_t* frame, double x, double y, double heading, std::int32_t shape);

private:
    // The picture of a character upright, made once.
    const QImage& Upright(std::int32_t shape);
    // The picture turned to a whole degree, made once: a pixel of 255 lets the frame show through.
    const QImage& TurnedTo(std::int32_t shape, int degrees);

    std::map<std::int32_t, QImage> upright_;
    std::map<std::pair<std::int32_t, int>, QImage> turned_;
};
