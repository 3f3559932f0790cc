#pragma once

#include "storage/ImageDelta.h"
#include "turtle/TurtleState.h"

#include <cstddef>
#include <cstdint>
#include <memory>
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

// One entry: what was done and how the page stood once it was done. Redoing the entry and then
// XORing Picture onto the page gives the page bit for bit; the turtle then stands at X, Y,
// Heading. Tool entries keep neither.
struct RecordEntry {
    RecordOp Op = RecordOp::Snapshot;
    std::int32_t Amount = 0;
    double X = 0.0;
    double Y = 0.0;
    double Heading = 0.0;
    // Empty in most entries; shared, since it never changes once made.
    std::shared_ptr<const ImageDelta> Picture;
};

// Whether an entry changes the page (and so keeps the turtle's place), or only a tool.
bool ChangesPage(RecordOp op);

// How a page was drawn: a Start entry, then everything done to the page since, in order.
struct DrawingRecord {
    std::vector<RecordEntry> Entries;

    // Puts `entries` in place of the entries from `from` on, and hands back those it replaced.
    std::vector<RecordEntry> Splice(std::size_t from, std::vector<RecordEntry> entries);
    // Memory the record holds, in bytes.
    std::size_t MemoryBytes() const;
};

// A record starting at a page as it stands: the picture and turtle, and the tools it holds
// where they differ from a new turtle's.
DrawingRecord StartedRecord(const std::uint8_t* image, const TTurtleState& turtle);
// The tool entries that take the tools of `was` to those of `now`.
void AddToolEntries(std::vector<RecordEntry>& entries, const TTurtleState& was, const TTurtleState& now);
// The tools a record leaves the turtle with, on top of a new turtle's.
TTurtleState RecordTools(const DrawingRecord& record);
// Whether a record can stand for a page: it begins with its Start, and it leaves the turtle
// where the page's turtle stands, on the page's background.
bool RecordFits(const DrawingRecord& record, const TTurtleState& turtle);
