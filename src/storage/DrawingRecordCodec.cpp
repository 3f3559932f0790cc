#include "storage/DrawingRecordCodec.h"

#include "storage/OwnCommand.h"

#include "turtle/SheetCanvas.h"
#include "turtle/SheetColors.h"

#include <cmath>


namespace {

constexpr int kLastPenMode = 2;

// The amounts an entry of each kind may hold.
struct AmountRange {
    int low = 0;
    int high = 0;
};

AmountRange RangeOf(RecordOp op)
{
    switch (op) {
    case RecordOp::Start:
    case RecordOp::Snapshot:
    case RecordOp::Background:
    case RecordOp::PenColor: return {0, kColorCount - 1};
    case RecordOp::Forward:
    case RecordOp::Backward: return {0, kMaxWrittenMove};
    case RecordOp::Right:
    case RecordOp::Left: return {0, kMaxWrittenTurn};
    case RecordOp::Circle: return {0, kMaxWrittenCircle};
    case RecordOp::Square: return {0, kMaxWrittenSquare};
    case RecordOp::PenWidth: return {1, SheetCanvas::kMaxPenWidth};
    case RecordOp::PenMode: return {0, kLastPenMode};
    case RecordOp::Own: return {1, kMaxOwnTimes};
    case RecordOp::Repeat: return {1, kMaxRepeatTimes};
    default: return {};
    }
}

} // namespace

bool EntryInRange(const RecordEntry& entry)
{
    const AmountRange range = RangeOf(entry.Op);
    const bool placed = std::isfinite(entry.Heading) && std::isfinite(entry.X) && std::isfinite(entry.Y)
                        && std::abs(entry.X) <= kFarthestPosition && std::abs(entry.Y) <= kFarthestPosition;
    // A repetition's steps have no name; an own command always has one.
    const bool named = !RunsSteps(entry.Op) || !entry.Command || entry.Command->Name.isEmpty() == (entry.Op == RecordOp::Repeat);
    return entry.Amount >= range.low && entry.Amount <= range.high && placed && named;
}

QByteArray EncodeRecord(const DrawingRecord& record)
{
    const std::vector<std::uint8_t>& bytes = record.Bytes();
    return {reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())};
}

std::optional<DrawingRecord> DecodeRecord(const QByteArray& bytes, const DrawingRecord::CommandList& commands)
{
    const auto* first = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    std::optional<DrawingRecord> record = DrawingRecord::FromBytes({first, first + bytes.size()}, commands);
    if (!record || record->Empty())
        return std::nullopt;
    for (std::size_t i = 0; i < record->Size(); ++i) {
        const RecordEntry entry = record->HeadAt(i);
        if (!EntryInRange(entry) || (entry.Op == RecordOp::Start) != (i == 0))
            return std::nullopt;
    }
    return record;
}
