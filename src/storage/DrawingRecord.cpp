#include "storage/DrawingRecord.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

// Records start from an all-zero picture, which leaves a page of one colour as one run.
const std::array<std::uint8_t, kSheetBytes> kBlank{};

void ApplyTool(TTurtleState& tools, const RecordEntry& entry)
{
    switch (entry.Op) {
    case RecordOp::PenUp: tools.PenDown = false; break;
    case RecordOp::PenDown: tools.PenDown = true; break;
    case RecordOp::PenColor: tools.PenColor = entry.Amount; break;
    case RecordOp::PenWidth: tools.PenWidth = entry.Amount; break;
    case RecordOp::PenMode: tools.PenMode = entry.Amount; break;
    default: break;
    }
}

} // namespace

bool ChangesPage(RecordOp op)
{
    return op < RecordOp::PenUp || op == RecordOp::Snapshot;
}

std::vector<RecordEntry> DrawingRecord::Splice(std::size_t from, std::vector<RecordEntry> entries)
{
    from = std::min(from, Entries.size());
    std::vector<RecordEntry> replaced(std::make_move_iterator(Entries.begin() + static_cast<std::ptrdiff_t>(from)),
                                      std::make_move_iterator(Entries.end()));
    Entries.resize(from);
    Entries.insert(Entries.end(), std::make_move_iterator(entries.begin()), std::make_move_iterator(entries.end()));
    return replaced;
}

std::size_t DrawingRecord::MemoryBytes() const
{
    std::size_t bytes = sizeof *this + Entries.capacity() * sizeof(RecordEntry);
    for (const RecordEntry& entry : Entries)
        if (entry.Picture)
            bytes += sizeof(ImageDelta) + entry.Picture->Bytes();
    return bytes;
}

DrawingRecord StartedRecord(const std::uint8_t* image, const TTurtleState& turtle)
{
    DrawingRecord record;
    record.Entries.push_back({RecordOp::Start, turtle.BGColor, turtle.X, turtle.Y, turtle.Heading,
                              std::make_shared<const ImageDelta>(ImageDelta::Between(kBlank.data(), image, kSheetBytes))});
    AddToolEntries(record.Entries, TTurtleState{}, turtle);
    return record;
}

void AddToolEntries(std::vector<RecordEntry>& entries, const TTurtleState& was, const TTurtleState& now)
{
    const auto add = [&](RecordOp op, std::int32_t amount) {
        RecordEntry entry;
        entry.Op = op;
        entry.Amount = amount;
        entries.push_back(std::move(entry));
    };
    if (now.PenColor != was.PenColor)
        add(RecordOp::PenColor, now.PenColor);
    if (now.PenWidth != was.PenWidth)
        add(RecordOp::PenWidth, now.PenWidth);
    if (now.PenMode != was.PenMode)
        add(RecordOp::PenMode, now.PenMode);
    if (now.PenDown != was.PenDown)
        add(now.PenDown ? RecordOp::PenDown : RecordOp::PenUp, 0);
}

TTurtleState RecordTools(const DrawingRecord& record)
{
    TTurtleState tools;
    for (const RecordEntry& entry : record.Entries)
        ApplyTool(tools, entry);
    return tools;
}

bool RecordFits(const DrawingRecord& record, const TTurtleState& turtle)
{
    const auto& entries = record.Entries;
    if (entries.empty() || entries.front().Op != RecordOp::Start
        || std::ranges::count(entries, RecordOp::Start, &RecordEntry::Op) != 1)
        return false;
    const auto last = std::ranges::find_if(entries.rbegin(), entries.rend(), [](const RecordEntry& e) { return ChangesPage(e.Op); });
    const auto background = std::ranges::find_if(entries.rbegin(), entries.rend(), [](const RecordEntry& e) {
        return e.Op == RecordOp::Start || e.Op == RecordOp::Snapshot;
    });
    return last->X == turtle.X && last->Y == turtle.Y && last->Heading == turtle.Heading
           && background->Amount == turtle.BGColor;
}
