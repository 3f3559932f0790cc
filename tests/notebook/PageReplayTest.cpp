#include "fakes/MemoryFloor.h"
#include "fakes/RecordingPanel.h"
#include "notebook/Notebook.h"
#include "notebook/PageReplay.h"
#include "notebook/RecordSteps.h"
#include "notebook/UndoHistory.h"
#include "storage/NotebookReader.h"
#include "storage/NotebookWriter.h"
#include "turtle/SheetColors.h"
#include "turtle/TurtleMotion.h"
#include "turtle/TurtleSheet.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

namespace {

struct NoHost final : MotionHost {
    void EndCommand() override {}
};

RecordEntry Entry(RecordOp op, int amount)
{
    RecordEntry entry;
    entry.Op = op;
    entry.Amount = amount;
    return entry;
}

// The turtle on one page, drawn on by random steps walked in random pass times, as a child
// with a busy machine would.
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
    }
    ~PageReplayTest() override { sheet.DetachFloor(); }

    int Pick(int low, int high) { return std::uniform_int_distribution(low, high)(random); }

    // A walking command; one in eight is stopped halfway, as Esc does.
    void Walk()
    {
        const auto op = static_cast<RecordOp>(Pick(static_cast<int>(RecordOp::Forward), static_cast<int>(RecordOp::Square)));
        const int amount = Pick(0, kMaxRecordedAmount);
        const int stopAfter = Pick(0, 7) == 0 ? Pick(0, 40) : -1;
        history.BeginStep({op, amount});
        BeginEntry(sheet, motion, Entry(op, amount));
        for (int pass = 0; motion.State != CommandState::Idle; ++pass) {
            if (pass == stopAfter)
                motion.Stop();
            else
                motion.StepCommand(static_cast<std::uint32_t>(Pick(0, 70)));
        }
        history.EndStep();
    }

    void Edit(StepKind kind, const std::function<void()>& change)
    {
        history.BeginStep(kind);
        change();
        history.EndStep();
    }

    void DrawRandomly(int steps)
    {
        TTurtleState& t = sheet.Turtle();
        for (int i = 0; i < steps; ++i) {
            switch (Pick(0, 13)) {
            case 0: sheet.SetPenColor(Pick(0, kColorCount - 1)); break;
            case 1: sheet.SetPenWidth(Pick(1, SheetCanvas::kMaxPenWidth)); break;
            case 2: sheet.SetPenDown(Pick(0, 3) != 0); break;
            case 3: t.PenMode = Pick(0, 2); break;
            case 4: Edit({RecordOp::Fill}, [&] { sheet.FillUnderTurtle(); }); break;
            case 5: Edit({RecordOp::Home}, [&] { t.X = t.Y = t.Heading = 0.0; }); break;
            case 6: Edit({RecordOp::Start}, [&] { sheet.ClearSheet(); }); break;
            case 7:
                Edit({RecordOp::Start}, [&] {
                    sheet.SetBGColor(Pick(0, kColorCount - 1));
                    sheet.ClearSheet();
                });
                break;
            case 8:
                // A picture loaded, or the turtle set by its dialog: nothing the record can redo.
                Edit({RecordOp::Place}, [&] {
                    t.X = Pick(-127, 127) * 0.5;
                    t.Heading = Pick(0, 7) * 0.3;
                    sheet.FloorBits()[Pick(0, kSheetBytes - 1)] ^= 3;
                    sheet.UpdateSheetFromFloor();
                });
                break;
            case 9: history.Undo(); break;
            case 10: history.Redo(); break;
            default: Walk(); break;
            }
        }
    }

    // Replays the page in random pass times; true when it drew the page bit for bit.
    bool Replays()
    {
        replay.Start(notebook.RecordOf(notebook.CurrentPage()));
        while (replay.Running())
            replay.Step(static_cast<std::uint32_t>(Pick(0, 90)));
        return replay.Matched();
    }

    std::mt19937 random;
    TTurtleState turtle;
    RecordingPanel panel;
    MemoryFloor floor;
    TurtleSheet sheet{turtle, panel};
    Notebook notebook{sheet};
    UndoHistory history{notebook, sheet};
    NoHost host;
    TurtleMotion motion{sheet, host};
    PageReplay replay{sheet};
};

TEST_P(PageReplayTest, DrawsThePageAgainBitForBitAndLeavesItAsItWas)
{
    DrawRandomly(60);
    const std::vector<std::uint8_t> page(sheet.FloorBits(), sheet.FloorBits() + kSheetBytes);
    const TTurtleState before = turtle;
    EXPECT_TRUE(Replays());
    EXPECT_EQ(std::memcmp(sheet.FloorBits(), page.data(), kSheetBytes), 0);
    EXPECT_TRUE(turtle == before);

    // Stopped halfway, the page is back at once.
    replay.Start(notebook.RecordOf(0));
    for (int pass = 0; pass < 30; ++pass)
        replay.Step(40);
    replay.Stop();
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
    ASSERT_EQ(NotebookWriter().Save(dir.path(), QStringLiteral("DOM"), notebook.Contents()).Fault, NotebookFault::None);
    const std::vector<std::uint8_t> kept = notebook.RecordOf(0).Bytes();
    NotebookReading reading = ReadNotebook(dir.path(), QStringLiteral("DOM"));
    ASSERT_EQ(reading.Fault, NotebookFault::None);
    notebook.Replace(reading.Content);
    EXPECT_TRUE(Replays());
    notebook.PrevPage();
    EXPECT_TRUE(Replays());
    EXPECT_EQ(notebook.RecordOf(0).Bytes(), kept);

    // A record that does not draw its page gives way to the page as it stands.
    reading.Content.Pages[0].Image[kSheetBytes / 2] ^= 1;
    notebook.Replace(reading.Content);
    EXPECT_NE(notebook.RecordOf(0).Bytes(), kept);
    EXPECT_TRUE(Replays());
}

INSTANTIATE_TEST_SUITE_P(Seeds, PageReplayTest, ::testing::Range(1u, 13u));

} // namespace
