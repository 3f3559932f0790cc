#include "Motion.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace {

const Frame* FindFrame(const Frame& frame, const std::string& name)
{
    if (frame.name == name)
        return &frame;
    for (const Frame& child : frame.children) {
        if (const Frame* found = FindFrame(child, name))
            return found;
    }
    return nullptr;
}

Quaternion Rotation(Vec3 axis, float degrees)
{
    const double length = std::sqrt(axis.x * axis.x + axis.y * axis.y + axis.z * axis.z);
    const double half = degrees * std::numbers::pi / 360.0;
    // The model files keep a turn's key as the retained-mode layer reads it, which turns by the
    // conjugate of the quaternion written: so the axis part is written negated.
    const double along = -std::sin(half) / length;
    return {static_cast<float>(std::cos(half)), static_cast<float>(axis.x * along),
            static_cast<float>(axis.y * along), static_cast<float>(axis.z * along)};
}

template <class Value>
void DropUnchanging(std::vector<Key<Value>>& keys)
{
    if (std::ranges::all_of(keys, [&](const Key<Value>& key) { return key.value == keys.front().value; }))
        keys.erase(keys.begin() + 1, keys.end() - 1);
}

} // namespace

AnimationSet SampleAnimation(std::string name, const Frame& model, const std::vector<FrameMotion>& motions)
{
    AnimationSet animation{std::move(name), {}};
    for (const FrameMotion& motion : motions) {
        const Frame* frame = FindFrame(model, motion.frame);
        if (!frame)
            throw std::invalid_argument("the model has no frame " + motion.frame);
        FrameKeys keys{motion.frame, {}, {}, {}};
        for (int time = 0; time <= kLastKeyTime; ++time) {
            const Pose pose = motion.pose(time);
            keys.rotations.push_back({time, Rotation(pose.axis, pose.degrees)});
            keys.scales.push_back({time, pose.scale});
            keys.positions.push_back({time, {frame->origin.x + pose.offset.x, frame->origin.y + pose.offset.y,
                                             frame->origin.z + pose.offset.z}});
        }
        DropUnchanging(keys.rotations);
        DropUnchanging(keys.scales);
        DropUnchanging(keys.positions);
        animation.frames.push_back(std::move(keys));
    }
    return animation;
}
