#include "storage/DrawingRecord.h"

#include <algorithm>
#include <array>
#include <bit>
#include <limits>

namespace {

// Records start from an all-zero picture, which leaves a page of one colour as one run.
const std::array<std::uint8_t, kSheetBytes> kBlank{};

// An entry begins with its kind and two marks: most entries that change the page land exactly
// where they were redone and need no picture, and then keep neither.
constexpr std::uint64_t kKindBits = 0x0F;
constexpr std::uint64_t kNoNudge = 0x10;
constexpr std::uint64_t kNoPicture = 0x20;
static_assert(kLastRecordOp <= static_cast<int>(kKindBits));

void PutNumber(std::vector<std::uint8_t>& out, std::uint64_t value)
{
    for (; value >= 0x80; value >>= 7)
        out.push_back(static_cast<std::uint8_t>(value | 0x80));
    out.push_back(static_cast<std::uint8_t>(value));
}

// Small numbers of either sign in few bytes.
std::uint64_t ZigZag(std::int64_t value)
{
    return (static_cast<std::uint64_t>(value) << 1) ^ static_cast<std::uint64_t>(value >> 63);
}

std::int64_t UnZigZag(std::uint64_t value)
{
    return static_cast<std::int64_t>(value >> 1) ^ -static_cast<std::int64_t>(value & 1);
}

// A double's place among all doubles, in order; nought for both zeros.
std::uint64_t Ordered(double value)
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
    constexpr std::uint64_t kSign = std::uint64_t{1} << 63;
    return (bits & kSign) ? 0 - (bits & ~kSign) : bits;
}

double FromOrdered(std::uint64_t ordered)
{
    constexpr std::uint64_t kSign = std::uint64_t{1} << 63;
    return std::bit_cast<double>((ordered & kSign) ? (0 - ordered) | kSign : ordered);
}

// Reads an entry's bytes front to back; anything that is not there spoils the rest.
class ByteReader {
public:
    ByteReader(const std::vector<std::uint8_t>& bytes, std::size_t at) : bytes_(bytes), at_(at) {}

    std::size_t At() const { return at_; }
    bool Good() const { return good_; }
    void Fail() { good_ = false; }
    std::uint64_t Number()
    {
        std::uint64_t value = 0;
        for (int shift = 0; shift < 64 && at_ < bytes_.size(); shift += 7) {
            const std::uint8_t byte = bytes_[at_++];
            value |= std::uint64_t{byte & 0x7Fu} << shift;
            if (byte < 0x80)
                return value;
        }
        good_ = false;
        return 0;
    }
    // Steps over `count` bytes; where they start.
    std::size_t Skip(std::uint64_t count)
    {
        const std::size_t first = at_;
        if (bytes_.size() - at_ < count)
            good_ = false;
        else
            at_ += static_cast<std::size_t>(count);
        return first;
    }

private:
    const std::vector<std::uint8_t>& bytes_;
    std::size_t at_;
    bool good_ = true;
};

// Reads the entry at `reader`; its picture's code is left where it is, at `pictureAt`. An entry
// of no kind, or with an amount beyond 32 bits, spoils the reader.
RecordEntry ReadEntry(ByteReader& reader, std::size_t& pictureAt, std::size_t& pictureBytes)
{
    RecordEntry entry;
    const std::uint64_t tag = reader.Number();
    const std::uint64_t amount = reader.Number();
    const std::uint64_t op = tag & kKindBits;
    const std::uint64_t marks = tag & ~kKindBits;
    pictureBytes = 0;
    if (op > static_cast<std::uint64_t>(kLastRecordOp) || (marks & ~(kNoNudge | kNoPicture)) != 0
        || (marks != 0 && !ChangesPage(static_cast<RecordOp>(op))) || amount > std::numeric_limits<std::uint32_t>::max()) {
        reader.Fail();
        return entry;
    }
    entry.Op = static_cast<RecordOp>(op);
    entry.Amount = static_cast<std::int32_t>(static_cast<std::uint32_t>(amount));
    if (!ChangesPage(entry.Op))
        return entry;
    if (!(marks & kNoNudge))
        for (std::int64_t& steps : entry.Nudge)
            steps = UnZigZag(reader.Number());
    if (!(marks & kNoPicture)) {
        pictureBytes = static_cast<std::size_t>(reader.Number());
        pictureAt = reader.Skip(pictureBytes);
    }
    return entry;
}

} // namespace

std::int64_t StepsBetween(double from, double to)
{
    // Counted round the ring of 64-bit numbers, which takes any two doubles to each other.
    return static_cast<std::int64_t>(Ordered(to) - Ordered(from));
}

double SteppedFrom(double from, std::int64_t steps)
{
    return FromOrdered(Ordered(from) + static_cast<std::uint64_t>(steps));
}

std::array<std::int64_t, 3> NudgeBetween(const TTurtleState& from, const TTurtleState& to)
{
    return {StepsBetween(from.X, to.X), StepsBetween(from.Y, to.Y), StepsBetween(from.Heading, to.Heading)};
}

void ApplyNudge(TTurtleState& turtle, const std::array<std::int64_t, 3>& nudge)
{
    turtle.X = SteppedFrom(turtle.X, nudge[0]);
    turtle.Y = SteppedFrom(turtle.Y, nudge[1]);
    turtle.Heading = SteppedFrom(turtle.Heading, nudge[2]);
}

bool ChangesPage(RecordOp op)
{
    return op < RecordOp::PenUp || op == RecordOp::Snapshot;
}

DrawingRecord DrawingRecord::Of(const std::vector<RecordEntry>& entries)
{
    DrawingRecord record;
    for (const RecordEntry& entry : entries)
        record.Append(entry);
    return record;
}

std::optional<DrawingRecord> DrawingRecord::FromBytes(const std::vector<std::uint8_t>& bytes)
{
    DrawingRecord record;
    record.bytes_ = bytes;
    ByteReader reader(record.bytes_, 0);
    while (reader.At() < bytes.size()) {
        record.starts_.push_back(static_cast<std::uint32_t>(reader.At()));
        std::size_t pictureAt = 0, pictureBytes = 0;
        ReadEntry(reader, pictureAt, pictureBytes);
        if (!reader.Good())
            return std::nullopt;
        const auto first = bytes.begin() + static_cast<std::ptrdiff_t>(pictureAt);
        if (pictureBytes > 0
            && !ImageDelta::FromCode({first, first + static_cast<std::ptrdiff_t>(pictureBytes)}, kSheetBytes))
            return std::nullopt;
    }
    return record;
}

RecordEntry DrawingRecord::At(std::size_t index) const
{
    return Read(index, true);
}

RecordEntry DrawingRecord::HeadAt(std::size_t index) const
{
    return Read(index, false);
}

RecordEntry DrawingRecord::Read(std::size_t index, bool withPicture) const
{
    ByteReader reader(bytes_, starts_[index]);
    std::size_t pictureAt = 0, pictureBytes = 0;
    RecordEntry entry = ReadEntry(reader, pictureAt, pictureBytes);
    if (withPicture && pictureBytes > 0) {
        const auto first = bytes_.begin() + static_cast<std::ptrdiff_t>(pictureAt);
        // Pictures were looked at as they came in.
        std::optional<ImageDelta> picture =
            ImageDelta::FromCode({first, first + static_cast<std::ptrdiff_t>(pictureBytes)}, kSheetBytes);
        if (picture)
            entry.Picture = std::make_shared<const ImageDelta>(std::move(*picture));
    }
    return entry;
}

void DrawingRecord::Append(const RecordEntry& entry)
{
    const std::vector<std::uint8_t> none;
    const std::vector<std::uint8_t>& code = entry.Picture ? entry.Picture->Code() : none;
    constexpr std::size_t kLongestNumber = 10;
    Reserve(6 * kLongestNumber + code.size(), 1);
    starts_.push_back(static_cast<std::uint32_t>(bytes_.size()));
    const bool changesPage = ChangesPage(entry.Op);
    const bool nudged = entry.Nudge != std::array<std::int64_t, 3>{};
    std::uint64_t tag = static_cast<std::uint8_t>(entry.Op);
    if (changesPage && !nudged)
        tag |= kNoNudge;
    if (changesPage && code.empty())
        tag |= kNoPicture;
    PutNumber(bytes_, tag);
    PutNumber(bytes_, static_cast<std::uint32_t>(entry.Amount));
    if (!changesPage)
        return;
    if (nudged)
        for (const std::int64_t steps : entry.Nudge)
            PutNumber(bytes_, ZigZag(steps));
    if (!code.empty()) {
        PutNumber(bytes_, code.size());
        bytes_.insert(bytes_.end(), code.begin(), code.end());
    }
}

DrawingRecord DrawingRecord::Splice(std::size_t from, const DrawingRecord& tail)
{
    from = std::min(from, Size());
    const std::size_t cut = from < Size() ? starts_[from] : bytes_.size();
    DrawingRecord replaced;
    replaced.bytes_.assign(bytes_.begin() + static_cast<std::ptrdiff_t>(cut), bytes_.end());
    for (std::size_t i = from; i < Size(); ++i)
        replaced.starts_.push_back(static_cast<std::uint32_t>(starts_[i] - cut));
    bytes_.resize(cut);
    starts_.resize(from);
    Reserve(tail.bytes_.size(), tail.Size());
    for (const std::uint32_t start : tail.starts_)
        starts_.push_back(static_cast<std::uint32_t>(start + cut));
    bytes_.insert(bytes_.end(), tail.bytes_.begin(), tail.bytes_.end());
    return replaced;
}

void DrawingRecord::Reserve(std::size_t moreBytes, std::size_t moreEntries)
{
    const auto reserve = [](auto& vector, std::size_t needed) {
        if (vector.capacity() < needed)
            vector.reserve(needed + needed / 32);
    };
    reserve(bytes_, bytes_.size() + moreBytes);
    reserve(starts_, starts_.size() + moreEntries);
}

std::size_t DrawingRecord::MemoryBytes() const
{
    return sizeof *this + bytes_.capacity() + starts_.capacity() * sizeof(std::uint32_t);
}

DrawingRecord StartedRecord(const std::uint8_t* image, const TTurtleState& turtle)
{
    DrawingRecord record;
    RecordEntry start;
    start.Op = RecordOp::Start;
    start.Amount = turtle.BGColor;
    start.Nudge = NudgeBetween(TTurtleState{}, turtle);
    start.Picture = std::make_shared<const ImageDelta>(ImageDelta::Between(kBlank.data(), image, kSheetBytes));
    record.Append(start);
    AddToolEntries(record, TTurtleState{}, turtle);
    return record;
}

void AddToolEntries(DrawingRecord& record, const TTurtleState& was, const TTurtleState& now)
{
    const auto add = [&](RecordOp op, std::int32_t amount) {
        RecordEntry entry;
        entry.Op = op;
        entry.Amount = amount;
        record.Append(entry);
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
    for (std::size_t i = 0; i < record.Size(); ++i) {
        const RecordEntry entry = record.HeadAt(i);
        switch (entry.Op) {
        case RecordOp::PenUp: tools.PenDown = false; break;
        case RecordOp::PenDown: tools.PenDown = true; break;
        case RecordOp::PenColor: tools.PenColor = entry.Amount; break;
        case RecordOp::PenWidth: tools.PenWidth = entry.Amount; break;
        case RecordOp::PenMode: tools.PenMode = entry.Amount; break;
        default: break;
        }
    }
    return tools;
}
