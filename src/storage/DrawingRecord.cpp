#include "storage/DrawingRecord.h"

#include "storage/OwnCommand.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <limits>

namespace {

// Records start from an all-zero picture, which leaves a page of one colour as one run.
const std::array<std::uint8_t, kSheetBytes> kBlank{};

void PutNumber(std::vector<std::uint8_t>& out, std::uint64_t value)
{
    for (; value >= 0x80; value >>= 7)
        out.push_back(static_cast<std::uint8_t>(value | 0x80));
    out.push_back(static_cast<std::uint8_t>(value));
}

// A place is kept to the last bit: a replay goes on from exactly there.
void PutReal(std::vector<std::uint8_t>& out, double value)
{
    auto bits = std::bit_cast<std::uint64_t>(value);
    for (int i = 0; i < 8; ++i, bits >>= 8)
        out.push_back(static_cast<std::uint8_t>(bits));
}

bool HasPlace(RecordOp op)
{
    return op == RecordOp::Start || op == RecordOp::Place;
}

bool HasPicture(RecordOp op)
{
    return op == RecordOp::Start || op == RecordOp::Snapshot;
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
    double Real()
    {
        std::uint64_t bits = 0;
        const std::size_t first = Skip(8);
        if (good_)
            for (int i = 7; i >= 0; --i)
                bits = bits << 8 | bytes_[first + static_cast<std::size_t>(i)];
        return std::bit_cast<double>(bits);
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

// Where an entry's picture and own command are found.
struct EntryRefs {
    std::size_t pictureAt = 0;
    std::size_t pictureBytes = 0;
    std::uint64_t command = 0;
};

// Reads the entry at `reader`; its picture's code is left where it is. An entry of no kind, or
// with a number beyond 32 bits, spoils the reader.
RecordEntry ReadEntry(ByteReader& reader, EntryRefs& refs)
{
    RecordEntry entry;
    const std::uint64_t op = reader.Number();
    const std::uint64_t amount = reader.Number();
    refs = {};
    if (op > static_cast<std::uint64_t>(kLastRecordOp) || amount > std::numeric_limits<std::uint32_t>::max()) {
        reader.Fail();
        return entry;
    }
    entry.Op = static_cast<RecordOp>(op);
    entry.Amount = static_cast<std::int32_t>(static_cast<std::uint32_t>(amount));
    if (MayWalk(entry.Op)) {
        const std::uint64_t stopped = reader.Number();
        if (stopped > std::numeric_limits<std::uint32_t>::max())
            reader.Fail();
        entry.StoppedAfter = static_cast<std::uint32_t>(stopped);
    }
    if (HasPlace(entry.Op)) {
        entry.X = reader.Real();
        entry.Y = reader.Real();
        entry.Heading = reader.Real();
    }
    if (HasPicture(entry.Op)) {
        refs.pictureBytes = static_cast<std::size_t>(reader.Number());
        refs.pictureAt = reader.Skip(refs.pictureBytes);
    }
    if (RunsSteps(entry.Op))
        refs.command = reader.Number();
    return entry;
}

} // namespace

bool IsWalk(RecordOp op)
{
    return op >= RecordOp::Forward && op <= RecordOp::Square;
}

bool MayWalk(RecordOp op)
{
    return IsWalk(op) || RunsSteps(op);
}

bool RunsSteps(RecordOp op)
{
    return op == RecordOp::Own || op == RecordOp::Repeat;
}

bool ChangesPage(RecordOp op)
{
    // A run may do anything its command does.
    return op < RecordOp::PenUp || op >= RecordOp::Snapshot;
}

DrawingRecord DrawingRecord::Of(const std::vector<RecordEntry>& entries)
{
    DrawingRecord record;
    for (const RecordEntry& entry : entries)
        record.Append(entry);
    return record;
}

std::optional<DrawingRecord> DrawingRecord::FromBytes(const std::vector<std::uint8_t>& bytes,
                                                      const CommandList& commands)
{
    DrawingRecord record;
    record.bytes_ = bytes;
    record.commands_ = commands;
    ByteReader reader(record.bytes_, 0);
    while (reader.At() < bytes.size()) {
        record.starts_.push_back(static_cast<std::uint32_t>(reader.At()));
        EntryRefs refs;
        const RecordEntry entry = ReadEntry(reader, refs);
        if (!reader.Good())
            return std::nullopt;
        if (RunsSteps(entry.Op) && (refs.command >= commands.size() || !commands[refs.command]))
            return std::nullopt;
        const auto first = bytes.begin() + static_cast<std::ptrdiff_t>(refs.pictureAt);
        if (refs.pictureBytes > 0
            && !ImageDelta::FromCode({first, first + static_cast<std::ptrdiff_t>(refs.pictureBytes)}, kSheetBytes))
            return std::nullopt;
    }
    record.RecountTools();
    return record;
}

std::vector<RecordEntry> DrawingRecord::Entries() const
{
    std::vector<RecordEntry> entries;
    entries.reserve(Size());
    for (std::size_t i = 0; i < Size(); ++i)
        entries.push_back(At(i));
    return entries;
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
    EntryRefs refs;
    RecordEntry entry = ReadEntry(reader, refs);
    if (RunsSteps(entry.Op) && refs.command < commands_.size())
        entry.Command = commands_[refs.command];
    if (withPicture && refs.pictureBytes > 0) {
        const auto first = bytes_.begin() + static_cast<std::ptrdiff_t>(refs.pictureAt);
        // Pictures were looked at as they came in.
        std::optional<ImageDelta> picture =
            ImageDelta::FromCode({first, first + static_cast<std::ptrdiff_t>(refs.pictureBytes)}, kSheetBytes);
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
    constexpr std::size_t kPlaceBytes = 3 * 8;
    Reserve(4 * kLongestNumber + kPlaceBytes + code.size(), 1);
    starts_.push_back(static_cast<std::uint32_t>(bytes_.size()));
    PutNumber(bytes_, static_cast<std::uint8_t>(entry.Op));
    PutNumber(bytes_, static_cast<std::uint32_t>(entry.Amount));
    if (MayWalk(entry.Op))
        PutNumber(bytes_, entry.StoppedAfter);
    if (HasPlace(entry.Op)) {
        PutReal(bytes_, entry.X);
        PutReal(bytes_, entry.Y);
        PutReal(bytes_, entry.Heading);
    }
    if (HasPicture(entry.Op)) {
        PutNumber(bytes_, code.size());
        bytes_.insert(bytes_.end(), code.begin(), code.end());
    }
    if (RunsSteps(entry.Op))
        PutNumber(bytes_, CommandNumber(entry.Command));
    FollowTools(entry);
}

void ToolChanges::Then(const ToolChanges& later)
{
    const auto take = [](auto& field, const auto& newer) {
        if (newer)
            field = newer;
    };
    take(PenDown, later.PenDown);
    take(PenColor, later.PenColor);
    take(PenWidth, later.PenWidth);
    take(PenMode, later.PenMode);
    take(Background, later.Background);
}

void ToolChanges::ApplyTo(TTurtleState& state) const
{
    state.PenDown = PenDown.value_or(state.PenDown);
    state.PenColor = PenColor.value_or(state.PenColor);
    state.PenWidth = PenWidth.value_or(state.PenWidth);
    state.PenMode = PenMode.value_or(state.PenMode);
    state.BGColor = Background.value_or(state.BGColor);
}

void DrawingRecord::FollowTools(const RecordEntry& entry)
{
    ToolChanges change;
    switch (entry.Op) {
    case RecordOp::PenUp: change.PenDown = false; break;
    case RecordOp::PenDown: change.PenDown = true; break;
    case RecordOp::PenColor: change.PenColor = entry.Amount; break;
    case RecordOp::PenWidth: change.PenWidth = entry.Amount; break;
    case RecordOp::PenMode: change.PenMode = entry.Amount; break;
    case RecordOp::Start:
    case RecordOp::Snapshot:
    case RecordOp::Background: change.Background = entry.Amount; break;
    case RecordOp::Own:
    case RecordOp::Repeat:
        // What the command does was counted once, as its steps were read: a run costs no more
        // than any other entry, however deep its commands nest.
        if (entry.Command)
            change = entry.Command->Steps.Changes();
        break;
    default: return;
    }
    changes_.Then(change);
    const std::int32_t background = tools_.BGColor;
    change.ApplyTo(tools_);
    // Tools() has always told the tools alone.
    tools_.BGColor = background;
}

std::size_t DrawingRecord::CommandNumber(const std::shared_ptr<const OwnCommand>& command)
{
    // Runs of one command share it; a record names only a few.
    const auto found = std::ranges::find(commands_, command);
    if (found != commands_.end())
        return static_cast<std::size_t>(found - commands_.begin());
    commands_.push_back(command);
    return commands_.size() - 1;
}

void DrawingRecord::RecountTools()
{
    tools_ = TTurtleState{};
    changes_ = {};
    for (std::size_t i = 0; i < Size(); ++i)
        FollowTools(HeadAt(i));
}

DrawingRecord DrawingRecord::Splice(std::size_t from, const DrawingRecord& tail)
{
    from = std::min(from, Size());
    const std::size_t cut = from < Size() ? starts_[from] : bytes_.size();
    DrawingRecord replaced;
    // Commands are only ever added, so the numbers of both parts stay good.
    replaced.commands_ = commands_;
    replaced.bytes_.assign(bytes_.begin() + static_cast<std::ptrdiff_t>(cut), bytes_.end());
    for (std::size_t i = from; i < Size(); ++i)
        replaced.starts_.push_back(static_cast<std::uint32_t>(starts_[i] - cut));
    bytes_.resize(cut);
    starts_.resize(from);
    const bool sameNumbers = tail.commands_.size() <= commands_.size()
                             && std::equal(tail.commands_.begin(), tail.commands_.end(), commands_.begin());
    if (!sameNumbers) {
        // The tail numbers its commands its own way: its runs are told again in ours.
        for (std::size_t i = 0; i < tail.Size(); ++i)
            Append(tail.At(i));
        RecountTools();
        replaced.RecountTools();
        return replaced;
    }
    Reserve(tail.bytes_.size(), tail.Size());
    for (const std::uint32_t start : tail.starts_)
        starts_.push_back(static_cast<std::uint32_t>(start + cut));
    bytes_.insert(bytes_.end(), tail.bytes_.begin(), tail.bytes_.end());
    // Steps are added at the end; only taking one back looks through the whole record again.
    if (replaced.Empty() && cut > 0)
        for (std::size_t i = 0; i < tail.Size(); ++i)
            FollowTools(tail.HeadAt(i));
    else
        RecountTools();
    replaced.RecountTools();
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
    start.X = turtle.X;
    start.Y = turtle.Y;
    start.Heading = turtle.Heading;
    start.Picture = std::make_shared<const ImageDelta>(ImageDelta::Between(kBlank.data(), image, kSheetBytes));
    record.Append(start);
    AddToolEntries(record, TTurtleState{}, turtle);
    return record;
}

void AddToolEntries(DrawingRecord& record, const TTurtleState& was, const TTurtleState& now)
{
    const auto add = [&](RecordOp op, std::int32_t amount) { record.Append(EntryOf(op, amount)); };
    if (now.PenColor != was.PenColor)
        add(RecordOp::PenColor, now.PenColor);
    if (now.PenWidth != was.PenWidth)
        add(RecordOp::PenWidth, now.PenWidth);
    if (now.PenMode != was.PenMode)
        add(RecordOp::PenMode, now.PenMode);
    if (now.PenDown != was.PenDown)
        add(now.PenDown ? RecordOp::PenDown : RecordOp::PenUp, 0);
}

namespace {

constexpr std::uint64_t kFnvBasis = 0xcbf29ce484222325u;
constexpr std::uint64_t kFnvPrime = 0x100000001b3u;

// FNV-1a a word at a time over the whole page, as notebooks saved before kept it.
std::uint64_t EarlierPageChecksum(const std::uint8_t* image)
{
    std::uint64_t sum = kFnvBasis;
    for (std::size_t at = 0; at < kSheetBytes; at += sizeof(std::uint64_t)) {
        std::uint64_t word;
        std::memcpy(&word, image + at, sizeof word);
        sum = (sum ^ word) * kFnvPrime;
    }
    return sum;
}

} // namespace

std::uint64_t PageChecksum(const std::uint8_t* image)
{
    // FNV-1a in eight interleaved lanes folded at the end: one chain of multiplications over the
    // page waits on each product in turn, eight keep the multiplier busy. Opening sums every page.
    constexpr std::size_t kLanes = 8;
    std::array<std::uint64_t, kLanes> lanes;
    for (std::size_t lane = 0; lane < kLanes; ++lane)
        lanes[lane] = kFnvBasis + lane;
    for (std::size_t at = 0; at < kSheetBytes; at += kLanes * sizeof(std::uint64_t)) {
        for (std::size_t lane = 0; lane < kLanes; ++lane) {
            std::uint64_t word;
            std::memcpy(&word, image + at + lane * sizeof word, sizeof word);
            lanes[lane] = (lanes[lane] ^ word) * kFnvPrime;
        }
    }
    std::uint64_t sum = kFnvBasis;
    for (const std::uint64_t lane : lanes)
        sum = (sum ^ lane) * kFnvPrime;
    return sum;
}

bool EndsWithTurtle(const DrawingRecord& record, const TTurtleState& turtle)
{
    // The pen's tools may be ahead of the record (they are written into it with the next step),
    // but the background changes only by an entry: a record leaving another one is not this page's.
    return !record.Empty() && record.HeadAt(0).Op == RecordOp::Start
           && record.Changes().Background.value_or(turtle.BGColor) == turtle.BGColor;
}

bool EndsOnPage(std::uint64_t sum, const std::uint8_t* image)
{
    return sum == PageChecksum(image) || sum == EarlierPageChecksum(image);
}
