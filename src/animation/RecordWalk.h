#pragma once

#include "animation/AnimationWalk.h"
#include "notebook/TurtleWalker.h"
#include "storage/DrawingRecord.h"
#include "turtle/SilentPanel.h"
#include "turtle/TurtleSheet.h"

#include <cstdint>

// A page's record walked off the screen by a walker of its own, as a replay walks it, with a
// sheet and a turtle of its own: the page and the program are not touched. The walker works in
// its passes' budgets, so a long stretch of steps lets the program answer between them.
class RecordWalk final : public AnimationWalk {
public:
    // `page` and `turtle` are the page as it stands, shown alone when its record holds nothing.
    RecordWalk(const DrawingRecord& record, const std::uint8_t* page, const TTurtleState& turtle);

    bool Measure(const WalkAnswer& answer) override;
    std::uint64_t Length() const override { return length_; }
    double Progress() const override;
    Step Advance(std::uint32_t ms, const WalkAnswer& answer) override;
    void Finish() override;
    const std::uint8_t* Sheet() const override { return sheet_.Sheet().Bits(); }
    const TTurtleState& Turtle() const override { return turtle_; }

private:
    // Starts the record's walk from the beginning; false when it has nothing to walk.
    bool Begin();
    // Walks on by `ms` of turtle time, answering every pass's budget; false when stopped.
    bool WalkOn(double ms, const WalkAnswer& answer);
    bool Answer(const WalkAnswer& answer);

    DrawingRecord record_;
    std::uint64_t steps_;
    SilentPanel panel_;
    TTurtleState turtle_;
    TurtleSheet sheet_{turtle_, panel_};
    TurtleWalker walker_{sheet_};
    std::uint64_t length_ = 0;
    std::uint32_t answered_ = 0;
};
