#include "fakes/DocumentRig.h"
#include "notebook/NotebookDocument.h"
#include "notebook/NotebookPrompts.h"
#include "notebook/PageReplay.h"
#include "notebook/TurtleWalker.h"
#include "storage/NotebookFolder.h"
#include "teach/OwnCommandList.h"
#include "teach/Teaching.h"
#include "turtle/TurtleMotion.h"
#include "turtle/TurtleSheet.h"
#include "win/MessageBox.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

struct Prompts final : NotebookPrompts {
    QString name = QStringLiteral("zeszyt");
    std::vector<QString> refusals;
    int AskToSave() override { return win::IDNO; }
    bool AskName(NameQuestion, QString& typed) override
    {
        typed = name;
        return true;
    }
    int AskToReplace(const QString&, bool) override { return win::IDYES; }
    int AskToSaveOverOtherCopy(const QString&) override { return win::IDYES; }
    void ShowRefusal(const QString& text) override { refusals.push_back(text); }
};

// The child teaches "Bok" by showing it through the document's door, as the window does.
class OwnCommandDocumentTest : public ::testing::Test, public DocumentRig<Prompts> {
public:
    using DocumentRig::Run; // not the test's own
    OwnCommandDocumentTest()
    {
        document.KeepCommands(commands);
        QObject::connect(&document, &NotebookDocument::Did,
                         [this](const RecordEntry& entry, const TTurtleState& before) { teaching.Take(entry, before); });
    }

    OwnCommandPtr Teach(const QString& name, const std::vector<RecordEntry>& shown)
    {
        teaching.Begin(sheet.Turtle());
        for (const RecordEntry& entry : shown)
            Run(entry);
        EXPECT_EQ(teaching.Count(), static_cast<int>(shown.size()));
        EXPECT_EQ(teaching.Check(), Teaching::Problem::None);
        OwnCommandPtr command = teaching.Finish(name, 0);
        commands.Add(command);
        return command;
    }
    std::vector<std::uint8_t> Page() const { return {sheet.FloorBits(), sheet.FloorBits() + kSheetBytes}; }

    OwnCommandList commands;
    Teaching teaching;
};

// What is done with the page once Bok × 5 drew a pentagon, and what must hold after.
struct AfterRun {
    const char* name;
    void (*check)(OwnCommandDocumentTest&, const std::vector<std::uint8_t>& before,
                  const std::vector<std::uint8_t>& drawn);
};

class AfterRunTest : public OwnCommandDocumentTest, public ::testing::WithParamInterface<AfterRun> {};

const AfterRun kAfterRuns[] = {
    {"one_undo_takes_the_whole_run_back",
     [](OwnCommandDocumentTest& t, const auto& before, const auto&) {
         ASSERT_EQ(t.document.Undo(), HistoryMove::Done);
         EXPECT_TRUE(t.Page() == before);
         EXPECT_NEAR(t.turtle.Y, 50.0, 1e-9);
         EXPECT_NEAR(t.turtle.Heading, 2 * TurtleMotion::kPi * 72 / 360, 1e-9) << "where teaching left it";
     }},
    {"replay_walks_it_again_exactly",
     [](OwnCommandDocumentTest& t, const auto&, const auto&) {
         PageReplay replay(t.sheet, t.walker);
         ASSERT_TRUE(replay.Start(t.document.Pages().RecordOf(0)));
         while (t.walker.Busy())
             t.walker.Walk(100);
         EXPECT_TRUE(replay.Matched());
     }},
    {"a_forgotten_command_still_replays",
     [](OwnCommandDocumentTest& t, const auto&, const auto&) {
         t.commands.Forget(0);
         PageReplay replay(t.sheet, t.walker);
         ASSERT_TRUE(replay.Start(t.document.Pages().RecordOf(0)));
         while (t.walker.Busy())
             t.walker.Walk(100);
         EXPECT_TRUE(replay.Matched());
     }},
    {"saved_and_opened_it_draws_the_same",
     [](OwnCommandDocumentTest& t, const auto& before, const auto& drawn) {
         ASSERT_EQ(t.document.SaveAs(), win::IDOK);
         t.commands.Replace({});
         ASSERT_EQ(t.document.New(), win::IDOK);
         ASSERT_EQ(t.document.Open(), win::IDOK);
         EXPECT_TRUE(t.prompts.refusals.empty());
         ASSERT_EQ(t.commands.Size(), 1u);
         EXPECT_EQ(t.commands.At(0)->Name, QStringLiteral("Bok"));
         EXPECT_TRUE(t.Page() == drawn);
         PageReplay replay(t.sheet, t.walker);
         ASSERT_TRUE(replay.Start(t.document.Pages().RecordOf(0)));
         while (t.walker.Busy())
             t.walker.Walk(100);
         EXPECT_TRUE(replay.Matched());
         // The command as opened draws what it drew before.
         std::memcpy(t.sheet.FloorBits(), before.data(), kSheetBytes);
         t.sheet.UpdateSheetFromFloor();
         t.turtle.X = 0.0;
         t.turtle.Y = 50.0;
         t.turtle.Heading = 2 * TurtleMotion::kPi * 72 / 360;
         t.Run(RunOf(t.commands.At(0), 5));
         EXPECT_TRUE(t.Page() == drawn);
     }},
    {"stopped_on_the_way_it_replays_to_the_same_slice",
     [](OwnCommandDocumentTest& t, const auto&, const auto&) {
         ASSERT_TRUE(t.document.Do(RunOf(t.commands.At(0), 3)));
         t.walker.Walk(1000);
         t.walker.Stop();
         const DrawingRecord& record = t.document.Pages().RecordOf(0);
         const RecordEntry last = record.HeadAt(record.Size() - 1);
         EXPECT_EQ(last.Op, RecordOp::Own);
         EXPECT_NE(last.StoppedAfter, 0u);
         PageReplay replay(t.sheet, t.walker);
         ASSERT_TRUE(replay.Start(record));
         while (t.walker.Busy())
             t.walker.Walk(100);
         EXPECT_TRUE(replay.Matched());
     }},
};

TEST_P(AfterRunTest, BokFiveTimesDrawsAClosedPentagon)
{
    const OwnCommandPtr bok = Teach(QStringLiteral("Bok"), {EntryOf(RecordOp::Forward, 50), EntryOf(RecordOp::Right, 72)});
    const std::vector<std::uint8_t> before = Page();
    const TTurtleState start = turtle;
    const std::size_t entries = document.Pages().RecordOf(0).Size();
    Run(RunOf(bok, 5));
    EXPECT_EQ(document.Pages().RecordOf(0).Size(), entries + 1) << "one entry for the whole run";
    EXPECT_NEAR(turtle.X, start.X, 1e-9);
    EXPECT_NEAR(turtle.Y, start.Y, 1e-9);
    EXPECT_NEAR(turtle.Heading, start.Heading + 2 * TurtleMotion::kPi, 1e-9);
    GetParam().check(*this, before, Page());
}

INSTANTIATE_TEST_SUITE_P(Runs, AfterRunTest, ::testing::ValuesIn(kAfterRuns),
                         [](const auto& instance) { return std::string(instance.param.name); });

// The flower of the lesson on teaching, as the child is told to make it: six petals, not one
// circle six times over.
TEST_F(OwnCommandDocumentTest, TheLessonsPetalSixTimesDrawsSixPetals)
{
    const OwnCommandPtr petal = Teach(QStringLiteral("Płatek"), {EntryOf(RecordOp::Forward, 25), EntryOf(RecordOp::Circle, 15),
                                                                EntryOf(RecordOp::Backward, 25), EntryOf(RecordOp::Right, 60)});
    const auto drawn = [this] {
        const std::vector<std::uint8_t> page = Page();
        return std::ranges::count_if(page, [](std::uint8_t pixel) { return pixel != SheetBitmap::kWhite; });
    };
    // Teaching drew the first petal; each run turns on to the next place.
    const auto taught = drawn();
    Run(RunOf(petal, 1));
    const auto onePetal = drawn() - taught;
    ASSERT_GT(onePetal, 0) << "the second petal beside the first";
    Run(RunOf(petal, 4));
    EXPECT_GT(drawn() - taught, 4 * onePetal) << "six petals side by side";
}

TEST_F(OwnCommandDocumentTest, CommandsNestAndTeachingRefusesWhatItCannotKeep)
{
    teaching.Begin(sheet.Turtle());
    EXPECT_EQ(teaching.Check(), Teaching::Problem::NothingShown);
    teaching.End();

    OwnCommandPtr inner = Teach(QStringLiteral("Płatek"), {EntryOf(RecordOp::Circle, 30), EntryOf(RecordOp::Right, 60)});
    for (int level = 2; level <= kMaxOwnDepth; ++level)
        inner = Teach(QStringLiteral("Poziom"), {RunOf(inner, 1)});
    EXPECT_EQ(DepthOf(*inner), kMaxOwnDepth);
    teaching.Begin(sheet.Turtle());
    Run(RunOf(inner, 1));
    EXPECT_EQ(teaching.Check(), Teaching::Problem::TooDeep);
    teaching.End();

    // A run stopped on the way is no step the command could repeat.
    teaching.Begin(sheet.Turtle());
    ASSERT_TRUE(document.Do(RunOf(inner, 6)));
    walker.Walk(200);
    walker.Stop();
    EXPECT_EQ(teaching.Count(), 0);

    // Levels of four runs of 36 times over a two-step command: more steps than one may make.
    auto longer = std::make_shared<OwnCommand>();
    longer->Steps = DrawingRecord::Of({EntryOf(RecordOp::Circle, 30), EntryOf(RecordOp::Right, 60)});
    for (int level = 2; level < kMaxOwnDepth; ++level) {
        auto wider = std::make_shared<OwnCommand>();
        wider->Steps = DrawingRecord::Of(std::vector<RecordEntry>(4, RunOf(longer, kMaxOwnTimes)));
        longer = wider;
    }
    teaching.Begin(sheet.Turtle());
    teaching.Take(RunOf(longer, kMaxOwnTimes), sheet.Turtle());
    EXPECT_GT(StepsOf(*longer, kMaxCommandSteps) * kMaxOwnTimes, kMaxCommandSteps);
    EXPECT_EQ(teaching.Check(), Teaching::Problem::TooLong);
    teaching.End();
}

} // namespace
