#pragma once

#include "storage/ImageDelta.h"
#include "turtle/TurtleState.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

// What one entry of a page's drawing record did.
enum class RecordOp : std::uint8_t {
    Start,    // the page as its record found it; Amount: the background colour
    Forward,  // the walking commands; Amount: the command's amount
    Backward,
    Right,
    Left,
    Circle,
    Square,
    Place,    // the turtle dialog
    Home,
    Fill,
    PenUp,    // the child's tools; Amount: the colour, width or pen mode
    PenDown,
    PenColor,
    PenWidth,
    PenMode,
    Snapshot, // a change the record cannot redo; Amount: the background colour after it
};
inline constexpr int kLastRecordOp = static_cast<int>(RecordOp::Snapshot);

// The largest amount a walking command takes from the panel.
inline constexpr int kMaxRecordedAmount = 100;

// One entry: what was done and how the page stood once it was done. Redoing the entry, XORing
// Picture onto the page and nudging the turtle by Nudge gives the page and the turtle's place
// bit for bit. Tool entries keep neither.
struct RecordEntry {
    RecordOp Op = RecordOp::Snapshot;
    std::int32_t Amount = 0;
    // How many steps of a double's precision the turtle's X, Y and heading stand off where
    // redoing the entry left them: nought or nearly in most entries, the whole place for Start,
    // whose redo leaves the turtle at the origin heading up.
    std::array<std::int64_t, 3> Nudge{};
    // Empty in most entries; shared, since it never changes once made.
    std::shared_ptr<const ImageDelta> Picture;
};

// The steps of a double's precision from one value to another, and back: exact both ways.
std::int64_t StepsBetween(double from, double to);
double SteppedFrom(double from, std::int64_t steps);
// The nudge that takes a turtle's place `from` to `to`, and the same done.
std::array<std::int64_t, 3> NudgeBetween(const TTurtleState& from, const TTurtleState& to);
void ApplyNudge(TTurtleState& turtle, const std::array<std::int64_t, 3>& nudge);

// Whether an entry changes the page (and so keeps the turtle's place), or only a tool.
bool ChangesPage(RecordOp op);

// How a page was drawn: a Start entry, then everything done to the page since, in order. A page
// may hold thousands of entries, so they are kept as the bytes they are saved as: each entry its
// kind, its amount, and for entries that change the page its nudge and its picture's code.
class DrawingRecord {
public:
    static DrawingRecord Of(const std::vector<RecordEntry>& entries);
    // Nothing unless the bytes are whole entries; their values are not looked at.
    static std::optional<DrawingRecord> FromBytes(const std::vector<std::uint8_t>& bytes);

    std::size_t Size() const { return starts_.size(); }
    bool Empty() const { return starts_.empty(); }
    RecordEntry At(std::size_t index) const;
    // The same without the picture, for looking through the record.
    RecordEntry HeadAt(std::size_t index) const;
    void Append(const RecordEntry& entry);
    // Puts `tail` in place of the entries from `from` on, and hands back those it replaced.
    DrawingRecord Splice(std::size_t from, const DrawingRecord& tail);

    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    // Memory the record holds, in bytes.
    std::size_t MemoryBytes() const;

private:
    RecordEntry Read(std::size_t index, bool withPicture) const;
    // Makes room for `more` bytes and entries, a little ahead: records grow by an entry at a time.
    void Reserve(std::size_t moreBytes, std::size_t moreEntries);

    std::vector<std::uint8_t> bytes_;
    std::vector<std::uint32_t> starts_;
};

// A record starting at a page as it stands: the picture and turtle, and the tools it holds
// where they differ from a new turtle's.
DrawingRecord StartedRecord(const std::uint8_t* image, const TTurtleState& turtle);
// The tool entries that take the tools of `was` to those of `now`.
void AddToolEntries(DrawingRecord& record, const TTurtleState& was, const TTurtleState& now);
// The tools a record leaves the turtle with, on top of a new turtle's.
TTurtleState RecordTools(const DrawingRecord& record);
