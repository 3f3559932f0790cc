#pragma once

#include "rm/Types.h"

#include <array>

namespace rm {

// A 4 × 4 transform, row-major, applied to column vectors: p' = M · p. Frames keep their place
// as a rotation (the frame's x, y and z axes as the first three columns) and a translation
// (the fourth column), relative to their parent.
struct Matrix4 {
    std::array<float, 16> m{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

    float& At(int row, int column) { return m[static_cast<std::size_t>(row * 4 + column)]; }
    float At(int row, int column) const { return m[static_cast<std::size_t>(row * 4 + column)]; }

    static Matrix4 Identity() { return {}; }
    // The frame whose z axis looks along `direction` and whose y axis leans to `up` (the
    // left-handed, y-up convention: x = up × direction), at `position`.
    static Matrix4 Frame(const D3DVECTOR& position, const D3DVECTOR& direction, const D3DVECTOR& up);

    D3DVECTOR Transform(const D3DVECTOR& point) const;       // a point: rotation and translation
    D3DVECTOR TransformDirection(const D3DVECTOR& v) const;  // a direction: rotation only
    // The inverse of a rotation-and-translation transform.
    Matrix4 RigidInverse() const;
    D3DVECTOR Translation() const { return {At(0, 3), At(1, 3), At(2, 3)}; }
    D3DVECTOR Axis(int column) const { return {At(0, column), At(1, column), At(2, column)}; }
};

Matrix4 operator*(const Matrix4& a, const Matrix4& b);

D3DVECTOR Cross(const D3DVECTOR& a, const D3DVECTOR& b);
float Dot(const D3DVECTOR& a, const D3DVECTOR& b);
// Unit length; a zero vector stays zero.
D3DVECTOR Normalized(const D3DVECTOR& v);

} // namespace rm
