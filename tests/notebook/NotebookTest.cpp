#include "fakes/MemoryFloor.h"
#include "fakes/RecordingPanel.h"
#include "notebook/Notebook.h"
#include "turtle/TurtleSheet.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class NotebookTest : public ::testing::Test {
protected:
    NotebookTest()
    {
        sheet.AttachFloor(floor);
        sheet.ResetTurtle();
    }

    MemoryFloor floor;
    TTurtleState turtle;
    RecordingPanel panel;
    TurtleSheet sheet{turtle, panel};
    Notebook notebook{sheet};
};

TEST_F(NotebookTest, StartingHoldsOnePageWithTheLiveTurtleAndFloor)
{
    turtle.X = 12;
    sheet.FillFloorImage(3);
    notebook.EmptySlots();
    notebook.StartNotebook();
    EXPECT_EQ(notebook.PageCount(), 1);
    EXPECT_EQ(notebook.CurrentPage(), 0);
    const TNotebookPage* page = notebook.PageAt(0);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->Turtle.X, 12.0);
    EXPECT_EQ(page->Image[0], 3);
    EXPECT_EQ(page->Image[kSheetBytes - 1], 3);
    for (int slot = 1; slot < Notebook::kMaxPages; ++slot)
        EXPECT_EQ(notebook.PageAt(slot), nullptr);
}

TEST_F(NotebookTest, ReleasingDestroysThePagesAndClearsTheSheetToTheBackground)
{
    notebook.StartNotebook();
    sheet.SetBGColor(9);
    sheet.Canvas().FillRect(QRect(0, 0, 10, 10));
    notebook.ReleaseNotebook();
    EXPECT_EQ(notebook.PageAt(0), nullptr);
    EXPECT_EQ(sheet.Sheet().At(5, 5), 9);
    EXPECT_EQ(sheet.Sheet().At(200, 200), 9);
    EXPECT_EQ(sheet.FloorBits()[0], 9) << "the floor follows";
}

class PagesTest : public NotebookTest {
protected:
    PagesTest()
    {
        notebook.EmptySlots();
        notebook.StartNotebook();
    }

    // Draws a mark of its own on the current page, as a move would.
    void Draw(std::uint8_t colourNumber, int row)
    {
        sheet.SetPenColor(colourNumber);
        sheet.Canvas().MoveTo(10, row);
        sheet.Canvas().LineTo(100, row);
        sheet.UpdateFloor();
    }
    const TNotebookPage* At(int slot) { return notebook.PageAt(slot); }
};

TEST_F(PagesTest, TheFourRefusalsChangeNothing)
{
    EXPECT_EQ(notebook.DeletePage(), PageResult::OnlyPage);
    EXPECT_EQ(notebook.PrevPage(), PageResult::FirstPage);
    EXPECT_EQ(notebook.NextPage(), PageResult::LastPage);
    for (int i = 1; i < Notebook::kMaxPages; ++i)
        ASSERT_EQ(notebook.NewPage(false), PageResult::Done);
    EXPECT_EQ(notebook.NewPage(false), PageResult::NotebookFull);
    EXPECT_EQ(notebook.PageCount(), 8);
    EXPECT_EQ(notebook.CurrentPage(), 7);
    EXPECT_STREQ(RefusalText(PageResult::NotebookFull), "Zeszyt może posiadać maksymalnie 8 stron.");
    EXPECT_STREQ(RefusalText(PageResult::OnlyPage), "To jest ostatnia strona. Nie można usunąć wszystkich stron.");
    EXPECT_STREQ(RefusalText(PageResult::FirstPage), "To jest pierwsza strona w zeszycie.");
    EXPECT_STREQ(RefusalText(PageResult::LastPage), "To jest ostatnia strona w zeszycie.");
}

TEST_F(PagesTest, NewPageGoesBehindOrInFront)
{
    const TNotebookPage* first = At(0);
    ASSERT_EQ(notebook.NewPage(true), PageResult::Done);
    EXPECT_EQ(notebook.PageCount(), 2);
    EXPECT_EQ(notebook.CurrentPage(), 0);
    EXPECT_EQ(At(1), first);

    ASSERT_EQ(notebook.NewPage(false), PageResult::Done);
    EXPECT_EQ(notebook.CurrentPage(), 1);
    EXPECT_EQ(At(2), first);
}

TEST_F(PagesTest, ANewPageIsResetAndWhiteLikeAClearedOne)
{
    sheet.SetBGColor(8);
    turtle.X = 30;
    turtle.PenWidth = 5;
    Draw(9, 40);
    ASSERT_EQ(notebook.NewPage(false), PageResult::Done);
    EXPECT_EQ(turtle.X, 0.0);
    EXPECT_EQ(turtle.PenColor, 12);
    EXPECT_EQ(turtle.PenWidth, 2);
    for (int row = 0; row < kSheetSize; ++row)
        for (int column = 0; column < kSheetSize; ++column)
            ASSERT_EQ(sheet.Sheet().At(column, row), SheetBitmap::kWhite) << column << ", " << row;
    EXPECT_EQ(sheet.FloorBits()[40 * 256 + 50], SheetBitmap::kWhite);
    EXPECT_EQ(notebook.ImageOf(notebook.CurrentPage())[0], SheetBitmap::kWhite);
}

TEST_F(PagesTest, GoingToAnotherPageAndBackRestoresDrawingTurtleAndPanel)
{
    sheet.SetPenWidth(6);
    sheet.SetPenDown(false);
    turtle.Hidden = true;
    turtle.X = 11;
    turtle.Heading = 0.5;
    Draw(9, 40); // red, pen colour 9
    ASSERT_EQ(notebook.NewPage(false), PageResult::Done);
    sheet.SetPenDown(true);
    Draw(12, 60);
    EXPECT_EQ(panel.penColorLabel, "4");

    ASSERT_EQ(notebook.PrevPage(), PageResult::Done);
    EXPECT_EQ(sheet.Sheet().At(50, 40), 9);
    EXPECT_EQ(sheet.Sheet().At(50, 60), SheetBitmap::kWhite);
    EXPECT_EQ(sheet.FloorBits()[40 * 256 + 50], 9);
    EXPECT_EQ(turtle.X, 11.0);
    EXPECT_EQ(turtle.Heading, 0.5);
    // The panel and the sheet's pen tell the page's own settings.
    EXPECT_EQ(panel.penColorLabel, "1");
    EXPECT_EQ(panel.penWidthLabel, "6");
    EXPECT_FALSE(panel.penDown);
    EXPECT_FALSE(panel.characterShown);
    EXPECT_EQ(sheet.Canvas().PenColor(), 9);
    EXPECT_EQ(sheet.Canvas().PenWidth(), 6);

    ASSERT_EQ(notebook.NextPage(), PageResult::Done);
    EXPECT_EQ(sheet.Sheet().At(50, 60), 12);
    EXPECT_EQ(sheet.Sheet().At(50, 40), SheetBitmap::kWhite);
}

TEST_F(PagesTest, DeletingShowsTheFollowingPageOrTheNewLastOne)
{
    notebook.NewPage(false);
    notebook.NewPage(false);
    const TNotebookPage* third = At(2);
    notebook.PrevPage(); // page 2 of 3
    ASSERT_EQ(notebook.DeletePage(), PageResult::Done);
    EXPECT_EQ(notebook.PageCount(), 2);
    EXPECT_EQ(notebook.CurrentPage(), 1);
    EXPECT_EQ(At(1), third);

    const TNotebookPage* first = At(0);
    ASSERT_EQ(notebook.DeletePage(), PageResult::Done); // the last page
    EXPECT_EQ(notebook.PageCount(), 1);
    EXPECT_EQ(notebook.CurrentPage(), 0);
    EXPECT_EQ(At(0), first);
}

TEST_F(PagesTest, ContentsTakeTheCurrentPageAsItStandsAndReplaceShowsTheOpenedOne)
{
    Draw(9, 40);
    ASSERT_EQ(notebook.NewPage(false), PageResult::Done);
    turtle.X = 33;
    Draw(12, 60); // not yet stored in its page
    const NotebookContent content = notebook.Contents();
    ASSERT_EQ(content.Pages.size(), 2u);
    EXPECT_EQ(content.CurrentPage, 1);
    EXPECT_EQ(content.Pages[0].Image[40 * 256 + 50], 9);
    EXPECT_EQ(content.Pages[1].Image[60 * 256 + 50], 12);
    EXPECT_EQ(content.Pages[1].Turtle.X, 33.0);

    NotebookContent opened;
    opened.Pages.resize(3);
    opened.Pages[2].Turtle.PenColor = 9;
    opened.Pages[2].Turtle.Y = -20;
    std::fill(opened.Pages[2].Image.begin(), opened.Pages[2].Image.end(), std::uint8_t{5});
    opened.CurrentPage = 2;
    notebook.Replace(opened);
    EXPECT_EQ(notebook.PageCount(), 3);
    EXPECT_EQ(notebook.CurrentPage(), 2);
    EXPECT_EQ(turtle.Y, -20.0);
    EXPECT_EQ(sheet.FloorBits()[12345], 5);
    EXPECT_EQ(sheet.Sheet().At(100, 100), 5);
    EXPECT_EQ(panel.penColorLabel, "1") << "the panel follows the opened page";
    EXPECT_EQ(notebook.PageAt(3), nullptr);
}

TEST(NotebookPage, StoreAndRestoreCopyTheWholeRecordAndImage)
{
    TNotebookPage page;
    TTurtleState live;
    live.PenColor = 4;
    live.Heading = 1.25;
    std::vector<std::uint8_t> floor(kSheetBytes);
    for (std::size_t i = 0; i < floor.size(); ++i)
        floor[i] = static_cast<std::uint8_t>(i * 7);
    page.Store(live, floor.data());

    TTurtleState other;
    std::vector<std::uint8_t> otherFloor(kSheetBytes, 0);
    page.Restore(other, otherFloor.data());
    EXPECT_EQ(other.PenColor, 4);
    EXPECT_EQ(other.Heading, 1.25);
    EXPECT_EQ(otherFloor, floor);
}

} // namespace
