#include "fakes/DocumentRig.h"
#include "program/ProgramReader.h"
#include "program/ProgramWriter.h"
#include "storage/OwnCommand.h"
#include "turtle/SheetColors.h"
#include "win/MessageBox.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

namespace {

// Prompts nobody answers: these tests never save or open.
struct NoPrompts final : NotebookPrompts {
    int AskToSave() override { return win::IDNO; }
    bool AskName(NameQuestion, QString&) override { return false; }
    int AskToReplace(const QString&, bool) override { return win::IDNO; }
    int AskToSaveOverOtherCopy(const QString&) override { return win::IDCANCEL; }
    void ShowRefusal(const QString&) override {}
};

class ProgramRun : public ::testing::Test, public DocumentRig<NoPrompts> {
public:
    using DocumentRig::Run;
    const DrawingRecord& PageRecord() const { return document.Pages().RecordOf(document.Pages().CurrentPage()); }
    std::string Text() const { return WriteProgram(PageRecord(), ProgramLanguage::Polish).toStdString(); }

    // The program read and run from the page's start, walked to its end.
    void RunText(const QString& text)
    {
        const ProgramReading read = ReadProgram(text, {}, ProgramLanguage::Polish);
        ASSERT_FALSE(read.Mistake) << read.Mistake->Sentence.toStdString();
        ASSERT_TRUE(document.RunFromStart(read.Entries));
        for (int pass = 0; pass < 1000000 && walker.Busy(); ++pass)
            walker.Walk(1000);
        ASSERT_FALSE(walker.Busy());
    }
};

// Random programs of moves, turns and repetitions, nested up to three deep.
class ProgramMaker {
public:
    explicit ProgramMaker(unsigned seed) : random_(seed) {}

    QString Make(int depth = 0)
    {
        QString text;
        const int count = 1 + static_cast<int>(random_() % 4);
        for (int i = 0; i < count; ++i) {
            const int kind = static_cast<int>(random_() % (depth < 2 ? 4 : 3));
            const int amount = static_cast<int>(random_() % 45);
            if (kind == 0)
                text += QStringLiteral("np %1 ").arg(amount);
            else if (kind == 1)
                text += QStringLiteral("pw %1 ").arg(amount);
            else if (kind == 2)
                text += QStringLiteral("lewo %1 ").arg(amount);
            else
                text += QStringLiteral("powtórz %1 [%2] ").arg(1 + amount % 5).arg(Make(depth + 1));
        }
        return text;
    }

private:
    std::minstd_rand random_;
};

// Where plain trigonometry puts the turtle after a program of those words.
struct Trigonometry {
    double x = 0.0, y = 0.0, heading = 0.0;
    bool onSheet = true;

    void Walk(const DrawingRecord& steps)
    {
        for (std::size_t i = 0; i < steps.Size(); ++i) {
            const RecordEntry entry = steps.HeadAt(i);
            const double radians = entry.Amount * std::numbers::pi / 180.0;
            switch (entry.Op) {
            case RecordOp::Forward:
                x += entry.Amount * std::sin(heading);
                y += entry.Amount * std::cos(heading);
                onSheet = onSheet && std::abs(x) < 120 && std::abs(y) < 120;
                break;
            case RecordOp::Right: heading += radians; break;
            case RecordOp::Left: heading -= radians; break;
            case RecordOp::Repeat:
                for (int time = 0; time < entry.Amount; ++time)
                    Walk(entry.Command->Steps);
                break;
            default: break;
            }
        }
    }
};

TEST_F(ProgramRun, RandomProgramsThatStayOnTheSheetEndWherePlainTrigonometrySays)
{
    int checked = 0;
    for (unsigned seed = 1; checked < 40 && seed < 2000; ++seed) {
        const QString text = ProgramMaker(seed).Make();
        const ProgramReading read = ReadProgram(text, {}, ProgramLanguage::Polish);
        ASSERT_FALSE(read.Mistake) << text.toStdString();
        Trigonometry expected;
        expected.Walk(DrawingRecord::Of(read.Entries));
        if (!expected.onSheet)
            continue;
        ++checked;
        RunText(text);
        EXPECT_NEAR(turtle.X, expected.x, 1e-6) << text.toStdString();
        EXPECT_NEAR(turtle.Y, expected.y, 1e-6) << text.toStdString();
        EXPECT_NEAR(turtle.Heading, expected.heading, 1e-9) << text.toStdString();
    }
    EXPECT_EQ(checked, 40);
}

TEST_F(ProgramRun, StartsThePageAgainAndItsRecordBecomesWhatRanOneUndoTakesItBack)
{
    Run(EntryOf(RecordOp::Forward, 30));
    Run(EntryOf(RecordOp::PenColor, 3));
    Run(EntryOf(RecordOp::Right, 5));
    const auto drawnBefore = floor.pixels;
    const std::string before = QStringLiteral("naprzód 30\nkolor %1\nprawo 5\n").arg(ColorToCell(3)).toStdString();
    ASSERT_EQ(Text(), before);

    RunText(QStringLiteral("powtórz 4 [np 50 pw 90]"));
    EXPECT_EQ(Text(), "powtórz 4 [naprzód 50 prawo 90]\n");
    EXPECT_NEAR(turtle.X, 0.0, 1e-9);
    EXPECT_NEAR(turtle.Y, 0.0, 1e-9);
    // A new turtle's pen drew the square.
    EXPECT_EQ(turtle.PenColor, TTurtleState{}.PenColor);

    ASSERT_EQ(document.Undo(), HistoryMove::Done);
    EXPECT_EQ(Text(), before);
    EXPECT_EQ(floor.pixels, drawnBefore);
}

TEST_F(ProgramRun, PanelStepsOwnCommandsAndUndoKeepTheTextTheRecordsAndItRunsToTheSameRecord)
{
    auto side = std::make_shared<OwnCommand>();
    side->Name = QStringLiteral("Bok");
    side->Steps = DrawingRecord::Of({EntryOf(RecordOp::Forward, 20), EntryOf(RecordOp::Left, 90)});
    Run(EntryOf(RecordOp::Circle, 10));
    Run(RunOf(side, 3));
    Run(EntryOf(RecordOp::Home));
    Run(EntryOf(RecordOp::Backward, 7));
    const std::string text = "oto Bok\n  naprzód 20\n  lewo 90\njuż\n\nokrąg 10\nBok 3\nwróć\nwstecz 7\n";
    EXPECT_EQ(Text(), text);
    const auto drawn = floor.pixels;
    const std::vector<std::uint8_t> bytes = PageRecord().Bytes();

    ASSERT_EQ(document.Undo(), HistoryMove::Done);
    EXPECT_EQ(Text(), "oto Bok\n  naprzód 20\n  lewo 90\njuż\n\nokrąg 10\nBok 3\nwróć\n");
    ASSERT_EQ(document.Redo(), HistoryMove::Done);

    // The text run again from the start draws the same page and leaves the same record.
    RunText(QString::fromStdString(text));
    EXPECT_EQ(Text(), text);
    EXPECT_EQ(floor.pixels, drawn);
    EXPECT_EQ(PageRecord().Size(), DrawingRecord::FromBytes(bytes, PageRecord().Commands())->Size());
}

TEST_F(ProgramRun, AToolChosenShowsAsTheNextLineAtOnceAndStaysThereWithTheNextStep)
{
    Run(EntryOf(RecordOp::Forward, 10));
    sheet.SetPenColor(CellToColor(5));
    sheet.SetPenDown(false);
    const auto shown = [this] { return WritePageProgram(PageRecord(), turtle, ProgramLanguage::Polish).toStdString(); };
    EXPECT_EQ(shown(), "naprzód 10\nkolor 5\npodnieś\n");
    Run(EntryOf(RecordOp::Right, 45));
    EXPECT_EQ(shown(), "naprzód 10\nkolor 5\npodnieś\nprawo 45\n");
    EXPECT_EQ(shown(), Text()) << "the tools went into the record with the step";
}

TEST_F(ProgramRun, StoppedOnTheWayTheRecordHoldsWhatRanSoFar)
{
    const ProgramReading read = ReadProgram(u"np 10 powtórz 100 [np 5 pw 5] np 10", {}, ProgramLanguage::Polish);
    ASSERT_TRUE(document.RunFromStart(read.Entries));
    for (int pass = 0; pass < 200; ++pass)
        walker.Walk(100);
    walker.Stop();
    ASSERT_EQ(PageRecord().Size(), 3u);
    const RecordEntry stopped = PageRecord().HeadAt(2);
    EXPECT_EQ(stopped.Op, RecordOp::Repeat);
    EXPECT_NE(stopped.StoppedAfter, 0u);
    EXPECT_TRUE(document.CanUndo());
}

} // namespace
