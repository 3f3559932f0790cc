#pragma once

#include "animation/TurtleMarker.h"

#include <QRect>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class AnimationWalk;
class GifFile;

// How a page was drawn, as an animated GIF picture to share: the sheet enlarged twice with sharp
// pixels and the sheet's own palette, the turtle seen from above where it walks, about 15 frames
// a second for as long as a replay at the fast pace takes (at most 20 s: a longer drawing is sped
// up evenly), then the finished page alone for 3 s; it loops. Each frame keeps only the rectangle
// that changed.
class DrawingAnimation {
public:
    enum class Result { Written, Cancelled, Failed };

    static constexpr int kFramesPerSecond = 15;
    static constexpr std::uint64_t kLongestMs = 20000;
    static constexpr int kLastFrameCs = 300;
    static constexpr int kFrameSize = 512;

    // Writes the walk to `path`; `goOn` hears how far it is (0..1) from the walk's first step on,
    // about every pass's budget of time and after each frame, and stops the writing by answering
    // false. Whatever the end but Written, no file is left at `path`
    // and a file that was there stays as it was.
    Result Write(AnimationWalk& walk, const std::array<std::uint32_t, 256>& palette, const QString& path,
                 const std::function<bool(double)>& goOn);
    // Why the last writing failed, for the user.
    const QString& ErrorText() const { return errorText_; }

private:
    // Draws the sheet enlarged, and the turtle unless it is hidden, into the frame being made.
    void Compose(const AnimationWalk& walk, bool withTurtle);
    // Shows the frame being made for `delayCs` more: a frame equal to the one waiting lengthens
    // its time, any other sends the waiting one to the file and waits in its place.
    bool Offer(GifFile& file, int delayCs);
    bool Flush(GifFile& file);

    TurtleMarker marker_;
    std::vector<std::uint8_t> making_ = std::vector<std::uint8_t>(kFrameSize * kFrameSize);
    std::vector<std::uint8_t> waiting_ = std::vector<std::uint8_t>(kFrameSize * kFrameSize);
    QRect waitingArea_;
    int waitingCs_ = 0;
    QString errorText_;
};
