#include "rm/Matrix.h"

#include <cmath>

namespace rm {

Matrix4 operator*(const Matrix4& a, const Matrix4& b)
{
    Matrix4 r;
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k)
                sum += a.At(row, k) * b.At(k, column);
            r.At(row, column) = sum;
        }
    return r;
}

D3DVECTOR Cross(const D3DVECTOR& a, const D3DVECTOR& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

float Dot(const D3DVECTOR& a, const D3DVECTOR& b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

D3DVECTOR Normalized(const D3DVECTOR& v)
{
    const float length = std::sqrt(Dot(v, v));
    if (length == 0.0f)
        return v;
    return {v.x / length, v.y / length, v.z / length};
}

Matrix4 Matrix4::Frame(const D3DVECTOR& position, const D3DVECTOR& direction, const D3DVECTOR& up)
{
    const D3DVECTOR z = Normalized(direction);
    D3DVECTOR x = Normalized(Cross(up, z));
    if (Dot(x, x) == 0.0f) // up along the direction: any x at right angles will do
        x = Normalized(Cross(std::fabs(z.x) < 0.9f ? D3DVECTOR{1, 0, 0} : D3DVECTOR{0, 0, 1}, z));
    const D3DVECTOR y = Cross(z, x);
    Matrix4 r;
    const D3DVECTOR axes[3] = {x, y, z};
    for (int column = 0; column < 3; ++column) {
        r.At(0, column) = axes[column].x;
        r.At(1, column) = axes[column].y;
        r.At(2, column) = axes[column].z;
    }
    r.At(0, 3) = position.x;
    r.At(1, 3) = position.y;
    r.At(2, 3) = position.z;
    return r;
}

D3DVECTOR Matrix4::Transform(const D3DVECTOR& p) const
{
    const D3DVECTOR d = TransformDirection(p);
    return {d.x + At(0, 3), d.y + At(1, 3), d.z + At(2, 3)};
}

D3DVECTOR Matrix4::TransformDirection(const D3DVECTOR& v) const
{
    return {At(0, 0) * v.x + At(0, 1) * v.y + At(0, 2) * v.z,
            At(1, 0) * v.x + At(1, 1) * v.y + At(1, 2) * v.z,
            At(2, 0) * v.x + At(2, 1) * v.y + At(2, 2) * v.z};
}

Matrix4 Matrix4::RigidInverse() const
{
    Matrix4 r;
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            r.At(row, column) = At(column, row);
    const D3DVECTOR t = r.TransformDirection(Translation());
    r.At(0, 3) = -t.x;
    r.At(1, 3) = -t.y;
    r.At(2, 3) = -t.z;
    return r;
}

} // namespace rm
