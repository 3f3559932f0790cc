#include "fakes/ManualClock.h"
#include "fakes/MemoryFloor.h"
#include "fakes/RecordingPanel.h"
#include "notebook/Notebook.h"
#include "notebook/PageReplay.h"
#include "notebook/TurtleWalker.h"
#include "notebook/UndoHistory.h"
#include "storage/NotebookFolder.h"
#include "storage/NotebookReader.h"
#include "storage/NotebookWriter.h"
#include "storage/PagePicture.h"
#include "turtle/SheetColors.h"
#include "turtle/TurtleSheet.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

namespace {

// The turtle on one page, drawn on by random steps walked in random pass times, as a child
// with a busy machine would; every step goes through the walker and the history as the
// document takes them.
class PageReplayTest : public ::testing::TestWithParam<unsigned> {
protected:
    PageReplayTest() : random(GetParam())
    {
        sheet.AttachFloor(floor);
        sheet.ResetTurtle();
        sheet.FillFloorImage(SheetBitmap::kWhite);
        sheet.UpdateSheetFromFloor();
        notebook.EmptySlots();
        notebook.StartNotebook();
        walker.SetDriven(true);
        QObject::connect(&walker, &TurtleWalker::EntryRan, [this](const RecordEntry& entry) {
            if (doing) {
                doing = false;
                history.EndStep(entry);
            }
        });
    }
    ~PageReplayTest() override { sheet.DetachFloor(); }

    int Pick(int low, int high) { return std::uniform_int_distribution(low, high)(random); }

    void Do(RecordOp op, int amount = 0)
    {
        history.BeginStep();
        doing = true;
        ASSERT_TRUE(walker.Run({EntryOf(op, amount)}));
    }

    // A walking command; one in eight is stopped on the way, as Esc does.
    void Walk()
    {
        const auto op = static_cast<RecordOp>(Pick(static_cast<int>(RecordOp::Forward), static_cast<int>(RecordOp::Square)));
        Do(op, Pick(0, kMaxRecordedAmount));
        const int stopAfter = Pick(0, 7) == 0 ? Pick(0, 40) : -1;
        for (int pass = 0; walker.Busy(); ++pass) {
            if (pass == stopAfter)
                walker.Stop();
            else
                walker.Walk(Pick(0, 70));
        }
    }

    void Edit(RecordOp op, const std::function<void()>& change)
    {
        history.BeginStep();
        change();
        history.EndStep(EntryOf(op));
    }

    void DrawRandomly(int steps)
    {
        TTurtleState& t = sheet.Turtle();
        for (int i = 0; i < steps; ++i) {
            switch (Pick(0, 14)) {
            case 0: sheet.SetPenColor(Pick(0, kColorCount - 1)); break;
            case 1: sheet.SetPenWidth(Pick(1, SheetCanvas::kMaxPenWidth)); break;
            case 2: sheet.SetPenDown(Pick(0, 3) != 0); break;
            case 3: t.PenMode = Pick(0, 2); break;
            case 4: Do(RecordOp::Fill); break;
            case 5: Do(RecordOp::Home); break;
            case 6: Do(RecordOp::Clear); break;
            case 7: Do(RecordOp::Background, Pick(0, kColorCount - 1)); break;
            case 8:
                Edit(RecordOp::Place, [&] {
                    t.X = Pick(-127, 127) * 0.5;
                    t.Heading = Pick(0, 7) * 0.3;
                });
                break;
            case 9:
                // A picture loaded: nothing an entry redoes.
                ++snapshots;
                Edit(RecordOp::Snapshot, [&] {
                    sheet.FloorBits()[Pick(0, kSheetBytes - 1)] ^= 3;
                    sheet.UpdateSheetFromFloor();
                });
                break;
            case 10: history.Undo(); break;
            case 11: history.Redo(); break;
            default: Walk(); break;
            }
        }
    }

    // Replays the page in random pass times; true when it drew the page bit for bit.
    bool Replays()
    {
        EXPECT_TRUE(replay.Start(notebook.RecordOf(notebook.CurrentPage())));
        while (replay.Running())
            walker.Walk(Pick(0, 90));
        return replay.Matched();
    }

    std::mt19937 random;
    // Standing still, so that every call walks exactly the turtle time it is given.
    ManualClock clock;
    TTurtleState turtle;
    RecordingPanel panel;
    MemoryFloor floor;
    TurtleSheet sheet{turtle, panel};
    Notebook notebook{sheet};
    UndoHistory history{notebook, sheet};
    TurtleWalker walker{sheet};
    PageReplay replay{sheet, walker};
    bool doing = false;
    int snapshots = 0;
};

TEST_P(PageReplayTest, DrawsThePageAgainBitForBitAndLeavesItAsItWas)
{
    DrawRandomly(60);
    const std::vector<std::uint8_t> page(sheet.FloorBits(), sheet.FloorBits() + kSheetBytes);
    const TTurtleState before = turtle;
    EXPECT_TRUE(Replays());
    EXPECT_EQ(std::memcmp(sheet.FloorBits(), page.data(), kSheetBytes), 0);
    EXPECT_TRUE(turtle == before);
    EXPECT_TRUE(floor.resting) << "the page given back rests";

    // The record is what was done: a picture only at its start and for the pictures loaded.
    const DrawingRecord& record = notebook.RecordOf(0);
    int pictures = 0;
    for (std::size_t i = 1; i < record.Size(); ++i) {
        const RecordEntry entry = record.At(i);
        EXPECT_TRUE(!entry.Picture || entry.Op == RecordOp::Snapshot) << i;
        pictures += entry.Picture ? 1 : 0;
    }
    EXPECT_LE(pictures, snapshots);

    // Stopped halfway, the page is back at once.
    replay.Start(record);
    for (int pass = 0; pass < 30; ++pass)
        walker.Walk(40);
    walker.Stop();
    EXPECT_FALSE(replay.Running());
    EXPECT_EQ(std::memcmp(sheet.FloorBits(), page.data(), kSheetBytes), 0);
    EXPECT_TRUE(turtle == before);
}

TEST_P(PageReplayTest, ASavedAndReopenedNotebookReplaysTheSame)
{
    DrawRandomly(40);
    notebook.NewPage(false);
    DrawRandomly(20);
    QTemporaryDir dir;
    const QString name = QStringLiteral("DOM");
    ASSERT_EQ(NotebookWriter().Save(dir.path(), name, notebook.Contents()).Fault, NotebookFault::None);
    const std::vector<std::uint8_t> kept = notebook.RecordOf(0).Bytes();
    NotebookReading reading = ReadNotebook(dir.path(), name);
    ASSERT_EQ(reading.Fault, NotebookFault::None);
    notebook.Replace(reading.Content);
    EXPECT_TRUE(Replays());
    notebook.PrevPage();
    EXPECT_TRUE(Replays());
    EXPECT_EQ(notebook.RecordOf(0).Bytes(), kept);

    // A page changed on disk by another program keeps its picture and drops its record.
    std::vector<std::uint8_t> edited = reading.Content.Pages[0].Image;
    edited[kSheetBytes / 2] ^= 1;
    ASSERT_TRUE(PagePicture(edited.data()).save(PagePath(dir.path(), name, 1), "BMP"));
    reading = ReadNotebook(dir.path(), name);
    ASSERT_EQ(reading.Fault, NotebookFault::None);
    EXPECT_EQ(reading.Content.Pages[0].Image, edited);
    notebook.Replace(reading.Content);
    EXPECT_NE(notebook.RecordOf(0).Bytes(), kept);
    EXPECT_TRUE(Replays());
}

INSTANTIATE_TEST_SUITE_P(Seeds, PageReplayTest, ::testing::Range(1u, 13u));

} // namespace
