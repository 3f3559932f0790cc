#include "animation/AnimationWalk.h"
#include "animation/DrawingAnimation.h"
#include "animation/RecordWalk.h"
#include "storage/OwnCommand.h"
#include "win/TickClock.h"
#include "animation/TurtleMarker.h"
#include "turtle/SheetBitmap.h"
#include "turtle/SheetColors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr int kFrame = DrawingAnimation::kFrameSize;

// A walk that draws one black pixel per 100 ms along row 10, the turtle going east with it.
class LineWalk final : public AnimationWalk {
public:
    explicit LineWalk(std::uint64_t length) : length_(length)
    {
        std::fill(sheet_.begin(), sheet_.end(), SheetBitmap::kWhite);
        sheet_[5] = 0; // the record's start is not blank
        turtle_.Heading = 1.5707963267948966;
    }
    bool Measure(const WalkAnswer& answer) override { return answer(); }
    std::uint64_t Length() const override { return length_; }
    double Progress() const override { return length_ == 0 ? 1.0 : static_cast<double>(walked_) / static_cast<double>(length_); }
    Step Advance(std::uint32_t ms, const WalkAnswer& answer) override
    {
        walked_ = std::min(length_, walked_ + ms);
        Draw();
        if (!answer())
            return Step::Stopped;
        return walked_ < length_ ? Step::Walking : Step::Over;
    }
    void Finish() override
    {
        walked_ = length_;
        Draw();
    }
    const std::uint8_t* Sheet() const override { return sheet_.data(); }
    const TTurtleState& Turtle() const override { return turtle_; }

    std::vector<std::uint8_t> sheet_ = std::vector<std::uint8_t>(kSheetBytes);

private:
    void Draw()
    {
        const auto pixels = static_cast<int>(std::min<std::uint64_t>(walked_ / 100, kSheetSize));
        for (int column = 0; column < pixels; ++column)
            sheet_[10 * kSheetSize + column] = 0;
        turtle_.X = pixels - kSheetEdge;
    }

    std::uint64_t length_;
    std::uint64_t walked_ = 0;
    TTurtleState turtle_;
};

std::array<std::uint32_t, 256> Palette()
{
    std::array<std::uint32_t, 256> palette{};
    const SheetBitmap sheet;
    std::copy(sheet.Palette().begin(), sheet.Palette().end(), palette.begin());
    return palette;
}

// Every frame of a GIF file as shown, each drawn over the one before but where it is
// see-through, with its delay; and how many of the pixels it wrote were as shown before, and how
// many of those it wrote see-through.
struct Decoded {
    std::vector<std::vector<std::uint8_t>> frames;
    std::vector<int> delaysCs;
    bool loops = false;
    std::size_t unchanged = 0;
    std::size_t unchangedSeeThrough = 0;
};

Decoded Decode(const QString& path)
{
    Decoded decoded;
    int error = 0;
    GifFileType* gif = DGifOpenFileName(QFile::encodeName(path).constData(), &error);
    if (gif == nullptr || DGifSlurp(gif) != GIF_OK) {
        ADD_FAILURE() << "giflib cannot read the file: " << error;
        return decoded;
    }
    EXPECT_EQ(gif->SWidth, kFrame);
    EXPECT_EQ(gif->SHeight, kFrame);
    std::vector<std::uint8_t> shown(kFrame * kFrame, 0);
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& image = gif->SavedImages[i];
        const GifImageDesc& area = image.ImageDesc;
        GraphicsControlBlock control{};
        DGifSavedExtensionToGCB(gif, i, &control);
        EXPECT_TRUE(control.DisposalMode == DISPOSE_DO_NOT || i + 1 == gif->ImageCount) << "each frame stays for the next";
        const std::vector<std::uint8_t> before = shown;
        for (int row = 0; row < area.Height; ++row)
            for (int column = 0; column < area.Width; ++column) {
                const std::uint8_t written = image.RasterBits[row * area.Width + column];
                if (written != control.TransparentColor)
                    shown[static_cast<std::size_t>((area.Top + row) * kFrame + area.Left + column)] = written;
            }
        if (i > 0)
            for (int row = 0; row < area.Height; ++row)
                for (int column = 0; column < area.Width; ++column) {
                    const auto at = static_cast<std::size_t>((area.Top + row) * kFrame + area.Left + column);
                    if (shown[at] != before[at])
                        continue;
                    ++decoded.unchanged;
                    decoded.unchangedSeeThrough += image.RasterBits[row * area.Width + column] == control.TransparentColor;
                }
        decoded.frames.push_back(shown);
        decoded.delaysCs.push_back(control.DelayTime);
    }
    // giflib hands the extensions before the first picture to that picture.
    const SavedImage& first = gif->SavedImages[0];
    for (int i = 0; i < first.ExtensionBlockCount; ++i)
        decoded.loops |= first.ExtensionBlocks[i].ByteCount == 11
                         && std::memcmp(first.ExtensionBlocks[i].Bytes, "NETSCAPE2.0", 11) == 0;
    DGifCloseFile(gif, &error);
    return decoded;
}

std::vector<std::uint8_t> Enlarged(const std::vector<std::uint8_t>& sheet)
{
    std::vector<std::uint8_t> frame(kFrame * kFrame);
    for (int row = 0; row < kFrame; ++row)
        for (int column = 0; column < kFrame; ++column)
            frame[static_cast<std::size_t>(row * kFrame + column)] = sheet[static_cast<std::size_t>(row / 2 * kSheetSize + column / 2)];
    return frame;
}

struct TimingCase {
    std::uint64_t lengthMs;
    int shownCs; // before the last frame's 3 s
};

class AnimationTiming : public ::testing::TestWithParam<TimingCase> {};

// As long as a replay at the fast pace (four times Normal), at most 20 s; the finished page for 3 s.
TEST_P(AnimationTiming, FramesShowTheWalkAndEndOnThePageAlone)
{
    const TimingCase& c = GetParam();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Domek, strona 1.gif"));
    LineWalk walk(c.lengthMs);
    const std::vector<std::uint8_t> start = Enlarged(walk.sheet_);
    DrawingAnimation animation;
    ASSERT_EQ(animation.Write(walk, Palette(), path, [](double) { return true; }), DrawingAnimation::Result::Written);

    const Decoded gif = Decode(path);
    ASSERT_GE(gif.frames.size(), 2U);
    EXPECT_TRUE(gif.loops);
    EXPECT_EQ(gif.delaysCs.back(), DrawingAnimation::kLastFrameCs);
    int shown = 0;
    for (std::size_t i = 0; i + 1 < gif.delaysCs.size(); ++i)
        shown += gif.delaysCs[i];
    EXPECT_NEAR(shown, c.shownCs, 7);
    EXPECT_EQ(gif.frames.back(), Enlarged(walk.sheet_)) << "the finished page alone, pixel for pixel";
    // The first frame is the record's start with the turtle on it.
    const auto& first = gif.frames.front();
    EXPECT_EQ(first[5 * 2], 0);
    EXPECT_NE(first, start) << "the turtle stands on the first frame";
    EXPECT_EQ(std::mismatch(first.begin(), first.begin() + 100 * kFrame, start.begin()).first - first.begin(),
              100 * kFrame) << "only where the turtle stands differs from the start";
}

TEST(DrawingAnimation, AFramesUnchangedPixelsAreSeeThroughInAColourTheSheetDoesNotUse)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("a.gif"));
    LineWalk walk(25600);
    DrawingAnimation animation;
    ASSERT_EQ(animation.Write(walk, Palette(), path, [](double) { return true; }), DrawingAnimation::Result::Written);
    const Decoded gif = Decode(path);
    ASSERT_GT(gif.unchanged, 0U) << "the frames' rectangles hold pixels that did not change";
    EXPECT_EQ(gif.unchangedSeeThrough, gif.unchanged);
    EXPECT_EQ(gif.frames.back(), Enlarged(walk.sheet_));

    int error = 0;
    GifFileType* raw = DGifOpenFileName(QFile::encodeName(path).constData(), &error);
    ASSERT_NE(raw, nullptr);
    ASSERT_EQ(DGifSlurp(raw), GIF_OK);
    GraphicsControlBlock control{};
    DGifSavedExtensionToGCB(raw, 1, &control);
    EXPECT_GE(control.TransparentColor, kColorCount) << "no sheet colour is see-through";
    EXPECT_LT(control.TransparentColor, raw->SColorMap->ColorCount);
    DGifCloseFile(raw, &error);
}

// A tick clock that moves a millisecond at every reading, as if every step took that long.
class BusyClock final : public win::TickClock {
public:
    BusyClock() { win::SetTickClock(this); }
    ~BusyClock() override { win::SetTickClock(nullptr); }
    BusyClock(const BusyClock&) = delete;
    BusyClock& operator=(const BusyClock&) = delete;
    std::uint32_t Now() const override { return ++now_; }

private:
    mutable std::uint32_t now_ = 0;
};

TEST(RecordWalk, AnswersFromTheFirstStepsOfALongRunThatDoesNotWalkAndStopsWhenTold)
{
    const BusyClock clock;
    auto command = std::make_shared<OwnCommand>();
    command->Steps = DrawingRecord::Of({EntryOf(RecordOp::Background, 3)});
    for (int level = 1; level < kMaxOwnDepth; ++level) {
        auto outer = std::make_shared<OwnCommand>();
        outer->Steps = DrawingRecord::Of({RunOf(command, kMaxOwnTimes)});
        command = outer;
    }
    const std::vector<std::uint8_t> page(kSheetBytes, SheetBitmap::kWhite);
    DrawingRecord record = StartedRecord(page.data(), TTurtleState());
    record.Append(RunOf(command, kMaxOwnTimes));

    RecordWalk walk(record, page.data(), TTurtleState());
    std::vector<double> heard;
    EXPECT_FALSE(walk.Measure([&] {
        heard.push_back(walk.Progress());
        return heard.size() < 3;
    }));
    ASSERT_EQ(heard.size(), 3U);
    EXPECT_LT(heard.back(), 0.001) << "heard within the first of 1.68 million steps";
    EXPECT_GT(heard.back(), heard.front());
}

INSTANTIATE_TEST_SUITE_P(Lengths, AnimationTiming,
                         ::testing::Values(TimingCase{0, 7}, TimingCase{4000, 100}, TimingCase{25600, 640},
                                           TimingCase{400000, 2000}));

// The turtle on the frames wears the chosen character's colours: its shell shows, as near as the
// sheet's colours come.
TEST(TurtleMarker, WearsTheChosenCharactersColours)
{
    const struct {
        std::int32_t shape;
        QRgb shell;
    } characters[] = {{1, qRgb(0x80, 0xc7, 0x1f)}, {2, qRgb(0xa6, 0x54, 0x1a)}, {3, qRgb(0x2e, 0x70, 0xd6)}};
    TurtleMarker marker;
    std::vector<std::vector<std::uint8_t>> frames;
    for (const auto& character : characters) {
        std::vector<std::uint8_t> frame(kFrame * kFrame, NearestSheetIndex(qRgb(255, 255, 255)));
        marker.Stamp(frame.data(), 10, -20, 0.3, character.shape);
        EXPECT_NE(std::ranges::find(frame, NearestSheetIndex(character.shell)), frame.end()) << character.shape;
        frames.push_back(std::move(frame));
    }
    EXPECT_NE(frames[0], frames[1]);
    EXPECT_NE(frames[1], frames[2]);
}

TEST(DrawingAnimation, ACancelledOrFailedWritingLeavesNoFileAndKeepsAnOldOne)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("a.gif"));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();

    LineWalk walk(25600);
    DrawingAnimation animation;
    int frames = 0;
    EXPECT_EQ(animation.Write(walk, Palette(), path, [&](double) { return ++frames < 20; }),
              DrawingAnimation::Result::Cancelled);
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "old");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 1) << "no temporary file is left";

    const QString nowhere = folder.filePath(QStringLiteral("missing/b.gif"));
    LineWalk again(4000);
    EXPECT_EQ(animation.Write(again, Palette(), nowhere, [](double) { return true; }), DrawingAnimation::Result::Failed);
    EXPECT_FALSE(animation.ErrorText().isEmpty());
    EXPECT_FALSE(QFile::exists(nowhere));
}

} // namespace
