#include "fakes/RecordingPanel.h"
#include "notebook/Notebook.h"
#include "rm/ImageTexture.h"
#include "turtle/TurtleSheet.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class NotebookTest : public ::testing::Test {
protected:
    NotebookTest()
    {
        sheet.AttachFloor(rm::MakePtr<rm::ImageTexture>(256, 256));
        sheet.ResetTurtle();
    }

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
    EXPECT_EQ(notebook.PageCount, 1);
    EXPECT_EQ(notebook.CurrentPage, 0);
    TNotebookPage* page = notebook.Current();
    ASSERT_NE(page, nullptr);
    EXPECT_FALSE(page->Dirty);
    EXPECT_EQ(page->Turtle.X, 12.0);
    EXPECT_EQ(page->Image[0], 3);
    EXPECT_EQ(page->Image[kSheetBytes - 1], 3);
    for (int slot = 1; slot < Notebook::kMaxPages; ++slot)
        EXPECT_EQ(notebook.Pages[static_cast<std::size_t>(slot)], nullptr);

    notebook.MarkCurrentDrawn();
    EXPECT_TRUE(page->Dirty);
}

TEST_F(NotebookTest, ReleasingDestroysThePagesAndClearsTheSheetToTheBackground)
{
    notebook.StartNotebook();
    sheet.SetBGColor(9);
    sheet.Canvas().FillRect(QRect(0, 0, 10, 10));
    notebook.ReleaseNotebook();
    EXPECT_EQ(notebook.Pages[0], nullptr);
    EXPECT_EQ(sheet.Sheet().At(5, 5), 9);
    EXPECT_EQ(sheet.Sheet().At(200, 200), 9);
    EXPECT_EQ(sheet.FloorBits()[0], 9) << "the floor follows";
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
    EXPECT_FALSE(page.Dirty);
}

} // namespace
