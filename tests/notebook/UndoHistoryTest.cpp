#include "fakes/MemoryFloor.h"
#include "fakes/RecordingPanel.h"
#include "notebook/ImageDelta.h"
#include "notebook/UndoHistory.h"
#include "turtle/TurtleMotion.h"
#include "turtle/TurtleSheet.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

using Picture = std::vector<std::uint8_t>;

// Pictures a difference must carry exactly, from nothing changed to noise.
struct PicturePair {
    const char* name;
    void (*change)(Picture&);
    std::size_t mostBytes; // what the difference may keep at most
};

const PicturePair kPicturePairs[] = {
    {"nothing", [](Picture&) {}, 0},
    {"first byte", [](Picture& p) { p.front() ^= 1; }, 8},
    {"last byte", [](Picture& p) { p.back() = 0; }, 8},
    {"a line two wide",
     [](Picture& p) {
         for (int row = 27; row < 128; ++row)
             p[static_cast<std::size_t>(row * kSheetSize + 127)] = p[static_cast<std::size_t>(row * kSheetSize + 128)] = 12;
     },
     1000},
    {"a filled half", [](Picture& p) { std::fill(p.begin(), p.begin() + kSheetBytes / 2, std::uint8_t{4}); }, 200},
    {"short runs and single bytes",
     [](Picture& p) {
         for (std::size_t i = 0; i < 4000; i += 7)
             p[i] = static_cast<std::uint8_t>(i % 3 == 0 ? 1 : 9);
     },
     4000},
    {"noise",
     [](Picture& p) {
         std::mt19937 random(7);
         for (auto& byte : p)
             byte = static_cast<std::uint8_t>(random());
     },
     kSheetBytes + kSheetBytes / 64},
};

void PrintTo(const PicturePair& pair, std::ostream* out)
{
    *out << pair.name;
}

class ImageDeltaTest : public ::testing::TestWithParam<PicturePair> {};

TEST_P(ImageDeltaTest, TakesEitherPictureToTheOtherAndStaysSmall)
{
    Picture from(kSheetBytes, SheetBitmap::kWhite);
    for (std::size_t i = 0; i < from.size(); i += 1000)
        from[i] = 3; // something drawn before
    Picture to = from;
    GetParam().change(to);

    const ImageDelta delta = ImageDelta::Between(from.data(), to.data(), kSheetBytes);
    EXPECT_EQ(delta.Empty(), from == to);
    EXPECT_LE(delta.Bytes(), GetParam().mostBytes);
    Picture forth = from;
    delta.ApplyTo(forth.data());
    EXPECT_TRUE(forth == to);
    Picture back = to;
    delta.ApplyTo(back.data());
    EXPECT_TRUE(back == from);
}

INSTANTIATE_TEST_SUITE_P(Pictures, ImageDeltaTest, ::testing::ValuesIn(kPicturePairs),
                         [](const auto& instance) {
                             std::string name = instance.param.name;
                             std::ranges::replace(name, ' ', '_');
                             return name;
                         });

// Everything an undo must bring back: every page's picture, turtle and mark, which page is in
// front, and what the sheet, the floor and the panel show.
struct Notebookshot {
    std::vector<Picture> pictures;
    std::vector<TTurtleState> turtles;
    std::vector<bool> dirty;
    int current = 0;
    Picture sheet;
    Picture floor;
    QString penColor, bgColor, penWidth;
    bool penDown = false, characterShown = false;
    std::uint8_t penIndex = 0;
    int penWidthOnSheet = 0;
    bool operator==(const Notebookshot&) const = default;
};

struct SilentHost final : MotionHost {
    Notebook* notebook = nullptr;
    void EndCommand() override {}
    void MarkPageDrawn() override { notebook->MarkCurrentDrawn(); }
};

class UndoHistoryTest : public ::testing::Test {
public:
    UndoHistoryTest()
    {
        host.notebook = &notebook;
        sheet.AttachFloor(floor);
        sheet.ResetTurtle();
        sheet.FillFloorImage(SheetBitmap::kWhite);
        sheet.UpdateSheetFromFloor();
        notebook.EmptySlots();
        notebook.StartNotebook();
    }

    void Run(void (TurtleMotion::*start)(int), int amount)
    {
        (motion.*start)(amount);
        for (int pass = 0; pass < 1000 && motion.State != CommandState::Idle; ++pass)
            motion.StepCommand(100);
        ASSERT_EQ(motion.State, CommandState::Idle);
    }

    // Three pages with drawings of their own; the middle one in front, its turtle moved and turned.
    void DrawThreePages()
    {
        Run(&TurtleMotion::StartForward, 30);
        notebook.NewPage(false);
        sheet.SetPenColor(9);
        Run(&TurtleMotion::StartCircle, 20);
        notebook.NewPage(false);
        Run(&TurtleMotion::StartBackward, 50);
        notebook.PrevPage();
        Run(&TurtleMotion::StartRight, 45);
        Run(&TurtleMotion::StartForward, 40);
    }

    Notebookshot Take()
    {
        Notebookshot shot;
        for (int i = 0; i < notebook.PageCount; ++i) {
            const TNotebookPage& page = *notebook.Pages[static_cast<std::size_t>(i)];
            const bool live = i == notebook.CurrentPage;
            const std::uint8_t* picture = live ? sheet.FloorBits() : page.Image.get();
            shot.pictures.emplace_back(picture, picture + kSheetBytes);
            shot.turtles.push_back(live ? turtle : page.Turtle);
            shot.dirty.push_back(page.Dirty);
        }
        shot.current = notebook.CurrentPage;
        shot.sheet.assign(sheet.Sheet().Bits(), sheet.Sheet().Bits() + kSheetBytes);
        shot.floor.assign(sheet.FloorBits(), sheet.FloorBits() + kSheetBytes);
        shot.penColor = panel.penColorLabel;
        shot.bgColor = panel.bgColorLabel;
        shot.penWidth = panel.penWidthLabel;
        shot.penDown = panel.penDown;
        shot.characterShown = panel.characterShown;
        shot.penIndex = sheet.Canvas().PenColor();
        shot.penWidthOnSheet = sheet.Canvas().PenWidth();
        return shot;
    }

    MemoryFloor floor;
    TTurtleState turtle;
    RecordingPanel panel;
    TurtleSheet sheet{turtle, panel};
    Notebook notebook{sheet};
    SilentHost host;
    TurtleMotion motion{sheet, host};
    UndoHistory history{notebook, sheet};
};

// One action of the child, as its handler carries it out after recording.
struct Action {
    const char* name;
    void (*act)(UndoHistoryTest&);
};

void PrintTo(const Action& action, std::ostream* out)
{
    *out << action.name;
}

class UndoAction : public UndoHistoryTest, public ::testing::WithParamInterface<Action> {
public:
    static void Fill(UndoHistoryTest& t)
    {
        const SheetPixel p = PixelOf(t.turtle.X, t.turtle.Y);
        t.sheet.Canvas().FloodFillSurface(p.column, p.row);
        t.sheet.UpdateFloor();
    }
    static void Background(UndoHistoryTest& t)
    {
        QTemporaryDir folder;
        QImage picture(100, 50, QImage::Format_RGB32);
        picture.fill(qRgb(250, 0, 0));
        const QString path = folder.filePath("tlo.bmp");
        ASSERT_TRUE(picture.save(path, "BMP"));
        ASSERT_TRUE(t.sheet.LoadBackground(path));
    }
};

const Action kActions[] = {
    {"forward", [](UndoHistoryTest& t) { t.Run(&TurtleMotion::StartForward, 60); }},
    {"backward", [](UndoHistoryTest& t) { t.Run(&TurtleMotion::StartBackward, 20); }},
    {"left", [](UndoHistoryTest& t) { t.Run(&TurtleMotion::StartLeft, 30); }},
    {"circle", [](UndoHistoryTest& t) { t.Run(&TurtleMotion::StartCircle, 35); }},
    {"square", [](UndoHistoryTest& t) { t.Run(&TurtleMotion::StartSquare, 25); }},
    {"fill", &UndoAction::Fill},
    {"clear_on_a_new_background",
     [](UndoHistoryTest& t) {
         t.sheet.SetBGColor(11);
         t.sheet.ClearSheet();
     }},
    {"home",
     [](UndoHistoryTest& t) {
         t.turtle.X = t.turtle.Y = t.turtle.Heading = 0.0;
     }},
    {"pen_colour", [](UndoHistoryTest& t) { t.sheet.SetPenColor(2); }},
    {"pen_width", [](UndoHistoryTest& t) { t.sheet.SetPenWidth(7); }},
    {"pen_up", [](UndoHistoryTest& t) { t.sheet.SetPenDown(false); }},
    {"hide_character",
     [](UndoHistoryTest& t) {
         t.panel.characterShown = false; // the button was pressed up
         t.turtle.Hidden = true;
     }},
    {"background_picture", &UndoAction::Background},
    {"add_page_behind", [](UndoHistoryTest& t) { ASSERT_EQ(t.notebook.NewPage(false), PageResult::Done); }},
    {"add_page_in_front", [](UndoHistoryTest& t) { ASSERT_EQ(t.notebook.NewPage(true), PageResult::Done); }},
    {"delete_page", [](UndoHistoryTest& t) { ASSERT_EQ(t.notebook.DeletePage(), PageResult::Done); }},
};

TEST_P(UndoAction, UndoAndRedoBringBackExactlyWhatWasThere)
{
    DrawThreePages();
    history.Clear();
    history.Record();
    const Notebookshot before = Take();
    GetParam().act(*this);
    const Notebookshot after = Take();
    ASSERT_FALSE(after == before) << "the action changes something";

    ASSERT_TRUE(history.CanUndo());
    ASSERT_TRUE(history.Undo());
    EXPECT_TRUE(Take() == before);
    EXPECT_FALSE(history.CanUndo());
    ASSERT_TRUE(history.CanRedo());
    ASSERT_TRUE(history.Redo());
    EXPECT_TRUE(Take() == after);
    EXPECT_FALSE(history.CanRedo());
    ASSERT_TRUE(history.Undo());
    EXPECT_TRUE(Take() == before) << "the second time too";
}

INSTANTIATE_TEST_SUITE_P(Actions, UndoAction, ::testing::ValuesIn(kActions),
                         [](const auto& instance) { return std::string(instance.param.name); });

TEST_F(UndoHistoryTest, KeepsTheLast32StepsOfMore)
{
    std::vector<Notebookshot> shots;
    for (int i = 0; i < 33; ++i) {
        history.Record();
        shots.push_back(Take());
        sheet.SetPenColor(i % 16);
        Run(&TurtleMotion::StartRight, 10);
        Run(&TurtleMotion::StartForward, 3);
    }
    int undone = 0;
    while (history.Undo())
        ++undone;
    EXPECT_EQ(undone, 32);
    EXPECT_TRUE(Take() == shots[1]) << "the first step fell out";
    int redone = 0;
    while (history.Redo())
        ++redone;
    EXPECT_EQ(redone, 32);
}

TEST_F(UndoHistoryTest, ANewActionAfterUndoDropsTheRedoStepsButAnActionThatChangedNothingKeepsThem)
{
    EXPECT_FALSE(history.CanUndo());
    history.Record(); // a dialog closed with Cancel
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.Undo());

    history.Record();
    Run(&TurtleMotion::StartForward, 40);
    history.Record();
    Run(&TurtleMotion::StartRight, 90);
    ASSERT_TRUE(history.Undo());
    history.Record();
    EXPECT_TRUE(history.CanRedo()) << "nothing changed yet";
    sheet.SetPenColor(0);
    EXPECT_FALSE(history.CanRedo());
    EXPECT_FALSE(history.Redo());
    EXPECT_EQ(turtle.Heading, 0.0);
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(turtle.PenColor, 12);
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(turtle.Y, 0.0);
    EXPECT_FALSE(history.CanUndo());
}

TEST_F(UndoHistoryTest, UndoingADrawingMadeOnAnotherPageBringsThatPageInFront)
{
    DrawThreePages();
    history.Record();
    const Notebookshot before = Take();
    sheet.SetPenColor(4);
    Run(&TurtleMotion::StartCircle, 30);
    const Notebookshot drawn = Take();
    notebook.NextPage(); // paging is no step
    ASSERT_TRUE(history.Undo());
    EXPECT_TRUE(Take() == before);
    notebook.PrevPage();
    ASSERT_TRUE(history.Redo());
    EXPECT_TRUE(Take() == drawn);
}

TEST_F(UndoHistoryTest, ADeletedPageComesBackAtItsPlaceWithItsDrawing)
{
    DrawThreePages();
    const Picture middle(sheet.FloorBits(), sheet.FloorBits() + kSheetBytes);
    const TTurtleState middleTurtle = turtle;
    const TNotebookPage* last = notebook.Pages[2].get();
    history.Record();
    ASSERT_EQ(notebook.DeletePage(), PageResult::Done);
    ASSERT_EQ(notebook.PageCount, 2);
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(notebook.PageCount, 3);
    EXPECT_EQ(notebook.CurrentPage, 1);
    EXPECT_EQ(notebook.Pages[2].get(), last);
    EXPECT_TRUE(Picture(sheet.FloorBits(), sheet.FloorBits() + kSheetBytes) == middle);
    EXPECT_TRUE(turtle == middleTurtle);

    notebook.NextPage();
    const Picture third(sheet.FloorBits(), sheet.FloorBits() + kSheetBytes);
    history.Record();
    ASSERT_EQ(notebook.DeletePage(), PageResult::Done); // the last page
    ASSERT_EQ(notebook.CurrentPage, 1);
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(notebook.PageCount, 3);
    EXPECT_EQ(notebook.CurrentPage, 2);
    EXPECT_TRUE(Picture(sheet.FloorBits(), sheet.FloorBits() + kSheetBytes) == third);
}

TEST_F(UndoHistoryTest, ACommandIsOneStepHoweverFarItGot)
{
    history.Record();
    motion.StartSquare(60);
    for (int pass = 0; pass < 40; ++pass)
        motion.StepCommand(100); // two sides and a bit
    ASSERT_NE(motion.State, CommandState::Idle);
    motion.Stop();
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(turtle.X, 0.0);
    EXPECT_EQ(turtle.Y, 0.0);
    EXPECT_EQ(turtle.Heading, 0.0);
    const Picture white(kSheetBytes, SheetBitmap::kWhite);
    EXPECT_TRUE(Picture(sheet.Sheet().Bits(), sheet.Sheet().Bits() + kSheetBytes) == white);
    EXPECT_FALSE(history.CanUndo());
}

TEST_F(UndoHistoryTest, ClearingForgetsEveryStep)
{
    history.Record();
    Run(&TurtleMotion::StartForward, 10);
    history.Record();
    Run(&TurtleMotion::StartForward, 10);
    ASSERT_TRUE(history.Undo());
    history.Clear();
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.CanRedo());
    EXPECT_FALSE(history.Undo());
    EXPECT_EQ(turtle.Y, 10.0);
}

} // namespace
