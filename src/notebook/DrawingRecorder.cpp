#include "notebook/DrawingRecorder.h"

#include "notebook/Notebook.h"
#include "notebook/RecordSteps.h"

#include <cmath>
#include <cstring>
#include <memory>

namespace {

// Walks redone in other slices end within rounding of the walk itself; a stopped one falls
// short by a unit or a turn's step at least.
constexpr double kSamePlace = 1e-6;

bool NearlyAt(const TTurtleState& a, const TTurtleState& b)
{
    return std::fabs(a.X - b.X) <= kSamePlace && std::fabs(a.Y - b.Y) <= kSamePlace
           && std::fabs(a.Heading - b.Heading) <= kSamePlace && a.BGColor == b.BGColor;
}

std::shared_ptr<const ImageDelta> PictureBetween(const std::uint8_t* from, const std::uint8_t* to)
{
    ImageDelta delta = ImageDelta::Between(from, to, kSheetBytes);
    return delta.Empty() ? nullptr : std::make_shared<const ImageDelta>(std::move(delta));
}

} // namespace

DrawingRecorder::DrawingRecorder() : sheet_(turtle_, *this), motion_(sheet_, *this) {}

RecordChange DrawingRecorder::Change(const StepKind& kind, const DrawingRecord& record,
                                     const std::uint8_t* beforeImage, const TTurtleState& before,
                                     const std::uint8_t* afterImage, const TTurtleState& after)
{
    if (kind.Op == RecordOp::Start)
        return {0, StartedRecord(afterImage, after)};
    RecordChange change{record.Size(), {}};
    AddToolEntries(change.Entries, RecordTools(record), before);
    change.Entries.Append(Redone(kind, beforeImage, before, afterImage, after));
    return change;
}

RecordEntry DrawingRecorder::Redone(const StepKind& kind, const std::uint8_t* beforeImage, const TTurtleState& before,
                                    const std::uint8_t* afterImage, const TTurtleState& after)
{
    RecordEntry entry;
    entry.Op = kind.Op;
    entry.Amount = kind.Op == RecordOp::Snapshot ? after.BGColor : kind.Amount;
    turtle_ = before;
    std::memcpy(sheet_.FloorBits(), beforeImage, kSheetBytes);
    sheet_.UpdateSheetFromFloor();
    sheet_.ApplyTurtle();
    if (BeginEntry(sheet_, motion_, entry))
        WalkToEnd(motion_);
    if (NearlyAt(turtle_, after)) {
        entry.Nudge = NudgeBetween(turtle_, after);
        entry.Picture = PictureBetween(sheet_.FloorBits(), afterImage);
        return entry;
    }
    // A snapshot's redo leaves the turtle where it stood.
    entry.Op = RecordOp::Snapshot;
    entry.Amount = after.BGColor;
    entry.Nudge = NudgeBetween(before, after);
    entry.Picture = PictureBetween(beforeImage, afterImage);
    return entry;
}

bool DrawingRecorder::Redraws(const DrawingRecord& record, const std::uint8_t* image, const TTurtleState& turtle)
{
    if (record.Empty())
        return false;
    turtle_ = TTurtleState{};
    sheet_.ApplyTurtle();
    for (std::size_t i = 0; i < record.Size(); ++i) {
        const RecordEntry entry = record.At(i);
        if (BeginEntry(sheet_, motion_, entry))
            WalkToEnd(motion_);
        EndEntry(sheet_, entry);
    }
    return SamePlace(turtle_, turtle) && std::memcmp(sheet_.FloorBits(), image, kSheetBytes) == 0;
}
