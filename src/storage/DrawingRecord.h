#pragma once

#include "storage/ImageDelta.h"
#include "turtle/TurtleState.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

// What one entry of a page's drawing record did. The numbers are kept on disk.
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
    Snapshot, // a change no entry redoes; Amount: the background colour after it
    Clear,    // the page wiped in its background colour
    Background, // a new background colour, the page wiped in it; Amount: the colour
    Own,      // a run of an own command; Amount: how many times
    Repeat,   // steps repeated as written; Amount: how many times; Command: the nameless steps
};
inline constexpr int kLastRecordOp = static_cast<int>(RecordOp::Repeat);

struct OwnCommand;

// The largest amount a walking command takes from the panel.
inline constexpr int kMaxRecordedAmount = 100;
// The largest amounts a written program gives, where the command's arithmetic still holds.
inline constexpr int kMaxWrittenMove = 1000;
inline constexpr int kMaxWrittenTurn = 36000;
inline constexpr int kMaxWrittenCircle = 127;
inline constexpr int kMaxWrittenSquare = 254;
inline constexpr int kMaxRepeatTimes = 10000;

// A stop point with this bit counts units, every slice walked and every step that does not walk,
// instead of slices alone: a run stopped between two steps, a walk before its first slice.
inline constexpr std::uint32_t kStoppedInUnits = 0x80000000U;

// One entry: what was done, as the turtle does it again. Walking it again on the page it was
// first walked on gives the same page and the same place.
struct RecordEntry {
    RecordOp Op = RecordOp::Snapshot;
    std::int32_t Amount = 0;
    // A walking command or an own command's run stopped on the way: how many slices it walked,
    // or with kStoppedInUnits how many units; 0 for a whole walk.
    std::uint32_t StoppedAfter = 0;
    // Start and Place: where the turtle stands once the entry is done.
    double X = 0.0;
    double Y = 0.0;
    double Heading = 0.0;
    // Start: the page against a blank one; Snapshot: the change. Shared, since it never changes.
    std::shared_ptr<const ImageDelta> Picture;
    // Own: the command as it stood when it ran, whatever became of it since. Repeat: the steps
    // repeated, as a command without a name.
    std::shared_ptr<const OwnCommand> Command;
};

// An entry of a kind and an amount, done to its end.
inline RecordEntry EntryOf(RecordOp op, std::int32_t amount = 0)
{
    RecordEntry entry;
    entry.Op = op;
    entry.Amount = amount;
    return entry;
}

// Whether an entry is a command the turtle walks.
bool IsWalk(RecordOp op);
// Whether an entry may walk: a walking command, an own command's run or a repetition.
bool MayWalk(RecordOp op);
// Whether an entry runs the steps of a command it holds: an own command's run or a repetition.
bool RunsSteps(RecordOp op);
// Whether an entry changes the page or the turtle's place, or only a tool.
bool ChangesPage(RecordOp op);

// What a run of entries leaves of the child's tools and the background, whatever they were
// before: each is set to its last value, or left as it was.
struct ToolChanges {
    std::optional<bool> PenDown;
    std::optional<std::int32_t> PenColor;
    std::optional<std::int32_t> PenWidth;
    std::optional<std::int32_t> PenMode;
    std::optional<std::int32_t> Background;

    // These changes, then `later` on top.
    void Then(const ToolChanges& later);
    // The tools and background after the changes.
    void ApplyTo(TTurtleState& state) const;
};

// How a page was drawn: a Start entry, then everything done to the page since, in order. A page
// may hold thousands of entries, so they are kept as the bytes they are saved as; the own
// commands its runs used are kept once each beside them.
class DrawingRecord {
public:
    using CommandList = std::vector<std::shared_ptr<const OwnCommand>>;

    static DrawingRecord Of(const std::vector<RecordEntry>& entries);
    // Nothing unless the bytes are whole entries whose runs name one of `commands`; their values
    // are not looked at.
    static std::optional<DrawingRecord> FromBytes(const std::vector<std::uint8_t>& bytes,
                                                  const CommandList& commands = {});

    std::size_t Size() const { return starts_.size(); }
    bool Empty() const { return starts_.empty(); }
    RecordEntry At(std::size_t index) const;
    // Every entry in order, as a walker runs them.
    std::vector<RecordEntry> Entries() const;
    // The same without the picture, for looking through the record.
    RecordEntry HeadAt(std::size_t index) const;
    void Append(const RecordEntry& entry);
    // Puts `tail` in place of the entries from `from` on, and hands back those it replaced.
    DrawingRecord Splice(std::size_t from, const DrawingRecord& tail);
    // The tools the record leaves the turtle with, on top of a new turtle's.
    const TTurtleState& Tools() const { return tools_; }
    // What the record does to the tools and the background, its runs' commands included. Kept as
    // the record grows, each command's taken from its own steps: looking it up costs nothing,
    // however deep commands nest.
    const ToolChanges& Changes() const { return changes_; }

    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    // The own commands the runs in the record name, by their number in the bytes.
    const CommandList& Commands() const { return commands_; }
    // Memory the record holds, in bytes.
    std::size_t MemoryBytes() const;

private:
    RecordEntry Read(std::size_t index, bool withPicture) const;
    // Makes room for `more` bytes and entries, a little ahead: records grow by an entry at a time.
    void Reserve(std::size_t moreBytes, std::size_t moreEntries);
    void FollowTools(const RecordEntry& entry);
    // The command's number in the bytes, adding it when the record has none yet.
    std::size_t CommandNumber(const std::shared_ptr<const OwnCommand>& command);
    void RecountTools();

    std::vector<std::uint8_t> bytes_;
    std::vector<std::uint32_t> starts_;
    CommandList commands_;
    TTurtleState tools_;
    ToolChanges changes_;
};

// A record starting at a page as it stands: the picture and turtle, and the tools it holds
// where they differ from a new turtle's.
DrawingRecord StartedRecord(const std::uint8_t* image, const TTurtleState& turtle);
// The tool entries that take the tools of `was` to those of `now`.
void AddToolEntries(DrawingRecord& record, const TTurtleState& was, const TTurtleState& now);
// A short sum of a page's pixels: the record kept with a page is the page's only when the page
// it ends on has the same sum.
std::uint64_t PageChecksum(const std::uint8_t* image);
// Whether the record starts as a page's record does and, done from its start, leaves the
// background that `turtle` holds: a record that leads elsewhere is no record of that page.
bool EndsWithTurtle(const DrawingRecord& record, const TTurtleState& turtle);
// Whether `sum` is the page's sum, or the one notebooks saved before this sum kept of it.
bool EndsOnPage(std::uint64_t sum, const std::uint8_t* image);
