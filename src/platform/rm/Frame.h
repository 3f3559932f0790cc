#pragma once

#include "rm/Unknown.h"

namespace rm {

// A frame of the scene, hung below its parent frame (none for a root).
class Frame : public Unknown {
public:
    explicit Frame(Ptr<Frame> parent = nullptr) : parent_(std::move(parent)) {}

    Frame* GetParent() const { return parent_.get(); }

private:
    Ptr<Frame> parent_;
};

} // namespace rm
