#include "animation/DrawingAnimation.h"

#include "animation/AnimationWalk.h"
#include "animation/GifFile.h"
#include "turtle/SheetColors.h"
#include "turtle/TurtleSpeed.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// The smallest rectangle holding every pixel in which two frames differ; empty when none.
QRect ChangedArea(const std::uint8_t* before, const std::uint8_t* after, int size)
{
    int top = size, bottom = -1, left = size, right = -1;
    for (int row = 0; row < size; ++row) {
        const std::uint8_t* a = before + static_cast<std::ptrdiff_t>(row) * size;
        const std::uint8_t* b = after + static_cast<std::ptrdiff_t>(row) * size;
        if (std::memcmp(a, b, static_cast<std::size_t>(size)) == 0)
            continue;
        top = std::min(top, row);
        bottom = row;
        int first = 0;
        while (a[first] == b[first])
            ++first;
        int last = size - 1;
        while (a[last] == b[last])
            --last;
        left = std::min(left, first);
        right = std::max(right, last);
    }
    return bottom < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// How much of the progress learning the walk's length stands for.
constexpr double kMeasuredShare = 0.5;

double FastPace()
{
    TurtleSpeed speed;
    speed.SetPace(TurtlePace::Fast);
    return speed.Factor();
}

} // namespace

DrawingAnimation::Result DrawingAnimation::Write(AnimationWalk& walk, const std::array<std::uint32_t, 256>& palette,
                                                 const QString& path, const std::function<bool(double)>& goOn)
{
    errorText_.clear();
    GifFile file(path, kFrameSize, kFrameSize, palette, kColorCount);
    const auto failed = [&] {
        errorText_ = file.ErrorText();
        return Result::Failed;
    };

    // Learning the walk's length is the first half of the progress, the frames the second.
    if (!walk.Measure([&] { return goOn(kMeasuredShare * walk.Progress()); }))
        return Result::Cancelled;
    const WalkAnswer writing = [&] { return goOn(kMeasuredShare + (1.0 - kMeasuredShare) * walk.Progress()); };
    const std::uint64_t length = walk.Length();
    const double shownMs = std::min(static_cast<double>(length) / FastPace(), static_cast<double>(kLongestMs));
    const auto frames = std::max<std::uint64_t>(1, static_cast<std::uint64_t>(std::ceil(shownMs * kFramesPerSecond / 1000.0)));
    const double turtleMsPerFrame = static_cast<double>(length) / static_cast<double>(frames);

    waitingArea_ = QRect();
    waitingCs_ = 0;
    Compose(walk, true);
    std::copy(making_.begin(), making_.end(), waiting_.begin());
    waitingArea_ = QRect(0, 0, kFrameSize, kFrameSize);
    waitingCs_ = 100 / kFramesPerSecond;

    double walkedMs = 0.0;
    std::uint64_t sentMs = 0;
    bool walking = length > 0;
    for (std::uint64_t frame = 1; walking; ++frame) {
        walkedMs += turtleMsPerFrame;
        const auto target = std::min(length, static_cast<std::uint64_t>(std::llround(walkedMs)));
        const AnimationWalk::Step step = walk.Advance(static_cast<std::uint32_t>(target - sentMs), writing);
        if (step == AnimationWalk::Step::Stopped)
            return Result::Cancelled;
        walking = step == AnimationWalk::Step::Walking && target < length;
        sentMs = target;
        Compose(walk, true);
        // Whole hundredths that add up to 15 frames a second.
        const int delayCs = static_cast<int>(frame * 100 / kFramesPerSecond - (frame - 1) * 100 / kFramesPerSecond);
        if (!Offer(file, delayCs))
            return failed();
        if (!writing())
            return Result::Cancelled;
    }
    walk.Finish();
    Compose(walk, false);
    if (!Offer(file, kLastFrameCs) || !Flush(file) || !file.Commit())
        return failed();
    return Result::Written;
}

void DrawingAnimation::Compose(const AnimationWalk& walk, bool withTurtle)
{
    const std::uint8_t* sheet = walk.Sheet();
    for (int row = 0; row < kSheetSize; ++row) {
        std::uint8_t* upper = making_.data() + static_cast<std::ptrdiff_t>(2 * row) * kFrameSize;
        const std::uint8_t* source = sheet + static_cast<std::ptrdiff_t>(row) * kSheetSize;
        for (int column = 0; column < kSheetSize; ++column)
            upper[2 * column] = upper[2 * column + 1] = source[column];
        std::memcpy(upper + kFrameSize, upper, kFrameSize);
    }
    const TTurtleState& turtle = walk.Turtle();
    if (withTurtle && !turtle.Hidden)
        marker_.Stamp(making_.data(), turtle.X, turtle.Y, turtle.Heading, turtle.Shape);
}

bool DrawingAnimation::Offer(GifFile& file, int delayCs)
{
    const QRect changed = ChangedArea(waiting_.data(), making_.data(), kFrameSize);
    if (changed.isEmpty()) {
        waitingCs_ += delayCs;
        return true;
    }
    if (!Flush(file))
        return false;
    waiting_.swap(making_);
    waitingArea_ = changed;
    waitingCs_ = delayCs;
    return true;
}

bool DrawingAnimation::Flush(GifFile& file)
{
    if (waitingArea_.isEmpty())
        return true;
    const bool written = file.AddFrame(waiting_.data(), waitingArea_, waitingCs_);
    waitingArea_ = QRect();
    return written;
}
