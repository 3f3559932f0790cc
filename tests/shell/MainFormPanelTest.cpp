#include "dialogs/PenDlg.h"
#include "dialogs/PosDlg.h"
#include "dialogs/ScreenDlg.h"
#include "dialogs/ShapeDlg.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "shell/Application.h"
#include "shell/MainForm.h"
#include "ui_MainForm.h"
#include "win/KeyState.h"
#include "win/MessagePump.h"

#include <QApplication>
#include <functional>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

constexpr std::uint8_t kBlue = 12;
constexpr std::uint8_t kRed = 9;
constexpr std::uint8_t kWhite = 15;

// The real windows, with the workspace prepared as start-up leaves it.
class MainFormPanelTest : public ::testing::Test {
protected:
    MainFormPanelTest()
    {
        form.StartTimer.stop();
        windows.ShowMainWindow();
        form.ResetWorkspace();
        form.Sheet.UpdateFloor();
    }

    Ui::TMainForm& ui() { return form.Controls(); }
    int SheetAt(int column, int row) const { return form.Sheet.Sheet().At(column, row); }

    // Clicks a picture at p with the cursor really there, as the handlers read the cursor.
    static void ClickAt(QWidget* picture, QPoint p, Qt::KeyboardModifiers modifiers = {})
    {
        QCursor::setPos(picture->mapToGlobal(p));
        QTest::mouseClick(picture, Qt::LeftButton, modifiers, p);
    }

    void DrawBlueSquare(int left, int top, int side)
    {
        SheetCanvas& canvas = form.Sheet.Canvas();
        canvas.MoveTo(left, top);
        canvas.LineTo(left + side, top);
        canvas.LineTo(left + side, top + side);
        canvas.LineTo(left, top + side);
        canvas.LineTo(left, top);
        form.Sheet.UpdateFloor();
    }

    ScriptedMessageBoxes boxes;
    ApplicationWindows windows;
    TMainForm& form = *MainForm;
};

TEST_F(MainFormPanelTest, PaletteClicksChooseThePenOrWithShiftTheBackground)
{
    ClickAt(ui().ColorImage, {4 * 16 + 8, 6}); // fifth top cell
    EXPECT_EQ(form.Turtle.PenColor, 12);
    EXPECT_EQ(ui().SelColorLabel->text(), "4");

    ClickAt(ui().ColorImage, {0, 3}); // x = 0 counts as the first cell
    EXPECT_EQ(form.Turtle.PenColor, 0);

    form.Sheet.SetBGColor(9);
    form.Sheet.ClearSheet();
    ASSERT_EQ(SheetAt(100, 100), kRed);
    ClickAt(ui().ColorImage, {7 * 16 + 8, 20}, Qt::ShiftModifier); // last bottom cell
    EXPECT_EQ(form.Turtle.BGColor, 8);
    EXPECT_EQ(ui().SelBGColorLabel->text(), "15");
    EXPECT_EQ(SheetAt(100, 100), kWhite);
    EXPECT_EQ(form.Turtle.PenColor, 0) << "the pen keeps its colour";
}

TEST_F(MainFormPanelTest, WidthClicksPickTheBarUnderTheCursor)
{
    ClickAt(ui().WidthImage, {5 * 16 - 8, 12});
    EXPECT_EQ(form.Turtle.PenWidth, 5);
    EXPECT_EQ(ui().SelWidthLabel->text(), "5");
    ClickAt(ui().WidthImage, {129, 12}); // past the last cell
    EXPECT_EQ(form.Turtle.PenWidth, 5);
}

TEST_F(MainFormPanelTest, FillFloodsTheAreaUnderTheTurtle)
{
    DrawBlueSquare(100, 100, 50); // the turtle's pixel (127, 127) is inside
    form.Sheet.SetPenColor(9);
    QTest::mouseClick(ui().FillBtn, Qt::LeftButton);
    EXPECT_EQ(SheetAt(127, 127), kRed);
    EXPECT_EQ(SheetAt(102, 148), kRed);
    EXPECT_EQ(SheetAt(100, 120), kBlue) << "the border stays";
    EXPECT_EQ(SheetAt(99, 120), kWhite) << "outside stays";
    EXPECT_EQ(form.Sheet.FloorBits()[127 * 256 + 127], kRed);

    // With the turtle on the line, the line takes the brush.
    form.Turtle.X = -27;
    form.Sheet.SetPenColor(2);
    QTest::mouseClick(ui().FillBtn, Qt::LeftButton);
    EXPECT_EQ(SheetAt(100, 140), 2);
    EXPECT_EQ(SheetAt(127, 127), kRed);
}

TEST_F(MainFormPanelTest, ClearHomeShowAndPenButtonsActAtOnce)
{
    DrawBlueSquare(10, 10, 20);
    form.Turtle.X = 40;
    form.Turtle.Heading = 2;
    QTest::mouseClick(ui().HomeBtn, Qt::LeftButton);
    EXPECT_EQ(form.Turtle.X, 0.0);
    EXPECT_EQ(form.Turtle.Heading, 0.0);
    EXPECT_EQ(SheetAt(60, 50), kWhite) << "home draws no line";

    QTest::mouseClick(ui().ClearBtn, Qt::LeftButton);
    EXPECT_EQ(SheetAt(10, 10), kWhite);

    QTest::mouseClick(ui().PenBtn, Qt::LeftButton);
    EXPECT_FALSE(form.Turtle.PenDown);
    QTest::mouseClick(ui().ShowBtn, Qt::LeftButton);
    EXPECT_TRUE(form.Turtle.Hidden);
    QTest::mouseClick(ui().ShowBtn, Qt::LeftButton);
    EXPECT_FALSE(form.Turtle.Hidden);
}

TEST_F(MainFormPanelTest, TheViewCountsForTheMouseUpToAndIncludingItsEdges)
{
    const auto inViewAt = [&](int x, int y) {
        QCursor::setPos(form.ClientArea()->mapToGlobal(QPoint(x, y)));
        return form.MouseInViewport();
    };
    const QRect view = ui().DXViewport->geometry(); // as large as the window's first size makes it
    const int right = view.left() + view.width(), bottom = view.top() + view.height();
    EXPECT_TRUE(inViewAt(view.left(), view.top()));
    EXPECT_TRUE(inViewAt(right, bottom)) << "the right and bottom edges count";
    EXPECT_FALSE(inViewAt(right + 1, view.center().y()));
    EXPECT_FALSE(inViewAt(view.center().x(), bottom + 1));
    EXPECT_FALSE(inViewAt(view.left() - 1, view.center().y()));
}

TEST_F(MainFormPanelTest, CharacterButtonOpensTheDialogOnTheTurtlesCharacter)
{
    int shownWith = -1;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (QApplication::activeModalWidget() == ShapeDlg && ShapeDlg->isVisible()) {
            shownWith = ShapeDlg->SelectedShape;
            ShapeDlg->reject();
        }
    });
    answer.start(1);
    form.ShapeBtnClick();
    EXPECT_EQ(shownWith, 3);
    EXPECT_TRUE(ShapeDlg->isHidden());
    EXPECT_EQ(form.Turtle.Shape, 3);
}

TEST_F(MainFormPanelTest, PageButtonsRefuseWithAMessageAndAddingMarksTheNotebook)
{
    QTest::mouseClick(ui().DelPageBtn, Qt::LeftButton);
    QTest::mouseClick(ui().PrevPageBtn, Qt::LeftButton);
    QTest::mouseClick(ui().NextPageBtn, Qt::LeftButton);
    ASSERT_EQ(boxes.Shown().size(), 3u);
    EXPECT_EQ(boxes.Shown()[0].text, QString::fromUtf8("To jest ostatnia strona. Nie można usunąć wszystkich stron."));
    EXPECT_EQ(boxes.Shown()[1].text, "To jest pierwsza strona w zeszycie.");
    EXPECT_EQ(boxes.Shown()[2].text, "To jest ostatnia strona w zeszycie.");
    for (const auto& box : boxes.Shown()) {
        EXPECT_EQ(box.caption, "QEL 3D");
        EXPECT_EQ(box.style, 0x30u);
    }
    EXPECT_FALSE(form.Document.Modified());

    {
        const win::KeyStateOverride shift(true);
        QTest::mouseClick(ui().NewPageBtn, Qt::LeftButton);
    }
    EXPECT_EQ(form.Document.Pages().PageCount(), 2);
    EXPECT_EQ(form.Document.Pages().CurrentPage(), 0) << "Shift puts the new page first";
    EXPECT_TRUE(form.Document.Modified());
    EXPECT_EQ(form.StatusText(1), "1 / 2");

    {
        const win::KeyStateOverride noShift(false);
        for (int i = 0; i < 6; ++i)
            QTest::mouseClick(ui().NewPageBtn, Qt::LeftButton);
        QTest::mouseClick(ui().NewPageBtn, Qt::LeftButton);
    }
    EXPECT_EQ(form.Document.Pages().PageCount(), 8);
    EXPECT_EQ(boxes.Shown().back().text, QString::fromUtf8("Zeszyt może posiadać maksymalnie 8 stron."));
}

// Answers whichever modal dialog shows next by calling `answer` on it once.
class NextDialog {
public:
    explicit NextDialog(std::function<void(QDialog&)> answer) : answer_(std::move(answer))
    {
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible() || answered)
                return;
            answered = true;
            answer_(*dialog);
        });
        poll_.start(1);
    }
    bool answered = false;

private:
    std::function<void(QDialog&)> answer_;
    QTimer poll_;
};

TEST_F(MainFormPanelTest, TheOptionsMenuOpensTheSettingsDialogsOnTheLiveTurtle)
{
    {
        NextDialog ok([](QDialog& dialog) {
            auto* pen = qobject_cast<TPenDlg*>(&dialog);
            ASSERT_NE(pen, nullptr);
            EXPECT_EQ(pen->WidthText(), "2");
            pen->SetWidthText(QStringLiteral("6"));
            dialog.accept();
        });
        ui().PenMenu->trigger();
        EXPECT_TRUE(ok.answered);
    }
    EXPECT_EQ(form.Turtle.PenWidth, 6);
    EXPECT_EQ(ui().SelWidthLabel->text(), "6");

    {
        NextDialog cancel([](QDialog& dialog) {
            EXPECT_NE(qobject_cast<TPosDlg*>(&dialog), nullptr);
            dialog.reject();
        });
        ui().PosMenu->trigger();
        EXPECT_TRUE(cancel.answered);
    }
    {
        NextDialog cancel([](QDialog& dialog) {
            EXPECT_NE(qobject_cast<TScreenDlg*>(&dialog), nullptr);
            dialog.reject();
        });
        ui().ScreenMenu->trigger();
        EXPECT_TRUE(cancel.answered);
    }
}

} // namespace
