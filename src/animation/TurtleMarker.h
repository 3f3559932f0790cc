#pragma once

#include <QImage>

#include <cstdint>
#include <map>

// The turtle as a small picture seen from above, turned to its heading, in the sheet's colours,
// for pictures of the sheet enlarged twice (512 × 512).
class TurtleMarker {
public:
    TurtleMarker();

    // Draws the turtle standing on sheet point (x, y) with its heading (radians, 0 towards +Y,
    // right turns add) into a 512 × 512 frame of sheet colour indices, clipped at its edges.
    void Stamp(std::uint8_t* frame, double x, double y, double heading);

private:
    // The picture turned to a whole degree, made once: a pixel of 255 lets the frame show through.
    const QImage& TurnedTo(int degrees);

    QImage upright_;
    std::map<int, QImage> turned_;
};
