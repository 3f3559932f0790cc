#pragma once

#include "rm/Types.h"
#include "rm/Unknown.h"

namespace rm {

// A light of one kind and colour. Where it stands and where it shines come from the frame it
// hangs on. Colour values above 1 are kept: they brighten beyond white.
class Light : public Unknown {
public:
    Light(D3DRMLIGHTTYPE type, float red, float green, float blue)
        : type_(type), red_(red), green_(green), blue_(blue) {}

    D3DRMLIGHTTYPE Type() const { return type_; }
    float Red() const { return red_; }
    float Green() const { return green_; }
    float Blue() const { return blue_; }

private:
    D3DRMLIGHTTYPE type_;
    float red_, green_, blue_;
};

} // namespace rm
