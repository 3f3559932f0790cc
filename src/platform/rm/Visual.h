#pragma once

#include "rm/Unknown.h"

namespace rm {

// Something a frame can show: a mesh builder's mesh.
class Visual : public Unknown {};

} // namespace rm
