#include "storage/DrawingRecordCodec.h"

#include "turtle/SheetCanvas.h"
#include "turtle/SheetColors.h"

#include <QtEndian>

#include <bit>
#include <cmath>
#include <cstring>

namespace {

constexpr int kLastPenMode = 2;
// Typed positions never reach further; anything beyond is no turtle of ours.
constexpr double kFarthestPosition = 1'000'000.0;

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
    case RecordOp::PenColor: return {0, kColorCount - 1};
    case RecordOp::Forward:
    case RecordOp::Backward:
    case RecordOp::Right:
    case RecordOp::Left:
    case RecordOp::Circle:
    case RecordOp::Square: return {0, kMaxRecordedAmount};
    case RecordOp::PenWidth: return {1, SheetCanvas::kMaxPenWidth};
    case RecordOp::PenMode: return {0, kLastPenMode};
    default: return {};
    }
}

void PutNumber(QByteArray& out, std::uint64_t value)
{
    for (; value >= 0x80; value >>= 7)
        out.append(static_cast<char>(value | 0x80));
    out.append(static_cast<char>(value));
}

void PutReal(QByteArray& out, double value)
{
    char bytes[sizeof value];
    qToLittleEndian(std::bit_cast<std::uint64_t>(value), bytes);
    out.append(bytes, sizeof bytes);
}

// Reads the bytes front to back; the first thing that is not there spoils the rest.
class ByteReader {
public:
    explicit ByteReader(const QByteArray& bytes) : bytes_(bytes) {}

    bool AtEnd() const { return at_ == bytes_.size(); }
    bool Good() const { return good_; }
    std::uint64_t Number()
    {
        std::uint64_t value = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            if (at_ >= bytes_.size())
                break;
            const auto byte = static_cast<std::uint8_t>(bytes_[at_++]);
            value |= std::uint64_t{byte & 0x7Fu} << shift;
            if (byte < 0x80)
                return value;
        }
        good_ = false;
        return 0;
    }
    double Real()
    {
        if (bytes_.size() - at_ < static_cast<qsizetype>(sizeof(double))) {
            good_ = false;
            return 0.0;
        }
        const double value = std::bit_cast<double>(qFromLittleEndian<std::uint64_t>(bytes_.constData() + at_));
        at_ += sizeof(double);
        return value;
    }
    std::vector<std::uint8_t> Bytes(std::uint64_t count)
    {
        if (static_cast<std::uint64_t>(bytes_.size() - at_) < count) {
            good_ = false;
            return {};
        }
        const auto* first = reinterpret_cast<const std::uint8_t*>(bytes_.constData() + at_);
        at_ += static_cast<qsizetype>(count);
        return {first, first + count};
    }

private:
    const QByteArray& bytes_;
    qsizetype at_ = 0;
    bool good_ = true;
};

bool PlaceInRange(const RecordEntry& entry)
{
    return std::isfinite(entry.Heading) && std::abs(entry.X) <= kFarthestPosition
           && std::abs(entry.Y) <= kFarthestPosition;
}

} // namespace

QByteArray EncodeRecord(const DrawingRecord& record)
{
    QByteArray out;
    for (const RecordEntry& entry : record.Entries) {
        out.append(static_cast<char>(entry.Op));
        PutNumber(out, static_cast<std::uint32_t>(entry.Amount));
        if (!ChangesPage(entry.Op))
            continue;
        PutReal(out, entry.X);
        PutReal(out, entry.Y);
        PutReal(out, entry.Heading);
        const std::vector<std::uint8_t> none;
        const std::vector<std::uint8_t>& code = entry.Picture ? entry.Picture->Code() : none;
        PutNumber(out, code.size());
        out.append(reinterpret_cast<const char*>(code.data()), static_cast<qsizetype>(code.size()));
    }
    return out;
}

std::optional<DrawingRecord> DecodeRecord(const QByteArray& bytes)
{
    DrawingRecord record;
    ByteReader read(bytes);
    while (!read.AtEnd()) {
        RecordEntry entry;
        const std::uint64_t op = read.Number();
        const std::uint64_t amount = read.Number();
        if (!read.Good() || op > static_cast<std::uint64_t>(kLastRecordOp))
            return std::nullopt;
        entry.Op = static_cast<RecordOp>(op);
        const AmountRange range = RangeOf(entry.Op);
        if (amount < static_cast<std::uint64_t>(range.low) || amount > static_cast<std::uint64_t>(range.high))
            return std::nullopt;
        entry.Amount = static_cast<std::int32_t>(amount);
        if (ChangesPage(entry.Op)) {
            entry.X = read.Real();
            entry.Y = read.Real();
            entry.Heading = read.Real();
            std::vector<std::uint8_t> code = read.Bytes(read.Number());
            if (!read.Good() || !PlaceInRange(entry))
                return std::nullopt;
            if (!code.empty()) {
                std::optional<ImageDelta> picture = ImageDelta::FromCode(std::move(code), kSheetBytes);
                if (!picture)
                    return std::nullopt;
                entry.Picture = std::make_shared<const ImageDelta>(std::move(*picture));
            }
        }
        record.Entries.push_back(std::move(entry));
    }
    if (record.Entries.empty() || record.Entries.front().Op != RecordOp::Start)
        return std::nullopt;
    return record;
}
