#pragma once

#include "rm/Frame.h"
#include "rm/Types.h"

#include <QRect>

namespace rm::gl {

// One thing a viewport asked of the next frame: clear its area, draw a scene through its
// camera, or both (a clear followed by a render of the same viewport).
struct DrawStep {
    const void* viewport = nullptr; // who asked: a clear and the render after it join up
    std::uint32_t clearFlags = 0;
    Ptr<Frame3> scene;              // none: a clear alone
    Ptr<Frame3> camera;
    QRect area;                     // device pixels, top left origin
    float front = 1.0f;
    float back = 100.0f;
    D3DRMRENDERQUALITY quality = D3DRMRENDER_FLAT;
};

} // namespace rm::gl
