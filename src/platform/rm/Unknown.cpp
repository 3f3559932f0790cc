#include "rm/Unknown.h"

namespace rm {

std::uint32_t Unknown::AddRef()
{
    return ++references_;
}

std::uint32_t Unknown::Release()
{
    const std::uint32_t left = --references_;
    if (left == 0)
        delete this;
    return left;
}

} // namespace rm
