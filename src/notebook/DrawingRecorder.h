#pragma once

#include "storage/DrawingRecord.h"
#include "turtle/TurtleMotion.h"
#include "turtle/TurtlePanel.h"
#include "turtle/TurtleSheet.h"
#include "turtle/TurtleState.h"

#include <cstddef>
#include <cstdint>

// What a step is, for the page's drawing record: a walking command with its amount, Home, Fill,
// the turtle dialog, Start for a step that leaves a fresh page (clearing it, a new background
// colour), or Snapshot for a change the record cannot redo.
struct StepKind {
    RecordOp Op = RecordOp::Snapshot;
    std::int32_t Amount = 0;
};

// The entries from `From` on that a step puts in place of the record's.
struct RecordChange {
    std::size_t From = 0;
    DrawingRecord Entries;
};

// Works out what a step adds to its page's record. The step is redone on a sheet of the
// recorder's own, as a replay will redo it; whatever that gets wrong by a pixel is kept beside
// the entry, and a step the redo does not take to the same place (a command stopped by Esc)
// is kept as a snapshot. The same sheet tells whether a record read from disk draws its page.
class DrawingRecorder : private TurtlePanel, private MotionHost {
public:
    DrawingRecorder();

    // The tools chosen since the record's last entry, then the step that took the page from
    // `before` to `after`.
    RecordChange Change(const StepKind& kind, const DrawingRecord& record, const std::uint8_t* beforeImage,
                        const TTurtleState& before, const std::uint8_t* afterImage, const TTurtleState& after);
    // Whether redoing a whole record draws a page bit for bit and leaves its turtle where it stands.
    bool Redraws(const DrawingRecord& record, const std::uint8_t* image, const TTurtleState& turtle);

private:
    // The recorder's sheet shows nothing and runs its commands to the end at once.
    void ShowPenColor(const QImage&, const QString&) override {}
    void ShowBGColor(const QImage&, const QString&) override {}
    void ShowPenWidth(const QImage&, const QString&) override {}
    void ShowPenDown(bool) override {}
    void ShowCharacterShown(bool) override {}
    void EndCommand() override {}

    RecordEntry Redone(const StepKind& kind, const std::uint8_t* beforeImage, const TTurtleState& before,
                       const std::uint8_t* afterImage, const TTurtleState& after);

    TTurtleState turtle_;
    TurtleSheet sheet_;
    TurtleMotion motion_;
};
