#include "dialogs/ShapeDlg.h"

#include <QColor>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

class ShapeDlg : public testing::Test {
protected:
    TShapeDlg dialog;
    QLabel* Image1 = dialog.findChild<QLabel*>("Image1");
    QLabel* Image2 = dialog.findChild<QLabel*>("Image2");
    QLabel* Image3 = dialog.findChild<QLabel*>("Image3");
    QLabel* SelImage = dialog.findChild<QLabel*>("SelImage");

    void SetUp() override
    {
        ASSERT_TRUE(Image1 && Image2 && Image3 && SelImage);
    }

    // Shows the dialog (again) with the caller's selection, as the character button does.
    void Open(std::int32_t shape)
    {
        dialog.hide();
        dialog.SelectedShape = shape;
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }

    // A click through the window at the picture's centre, so it meets whatever lies on top there.
    void ClickOn(const QLabel* picture)
    {
        const QPoint centre = picture->geometry().center();
        QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, {}, centre);
    }
};

TEST_F(ShapeDlg, ControlsComeInTheirOrderWithTagsAndPictures)
{
    struct Expected {
        const char* name;
        int tag;
        QRect place;
    };
    const Expected expected[] = {
        {"Bevel1", 0, {8, 8, 353, 129}},      {"Image1", 1, {136, 24, 100, 100}},
        {"Image2", 2, {248, 24, 100, 100}},   {"Image3", 3, {24, 24, 100, 100}},
        {"SelImage", 0, {24, 24, 100, 100}},  {"OkBtn", 0, {184, 152, 75, 28}},
        {"CancelBtn", 0, {280, 152, 75, 28}},
    };
    const QObjectList children = dialog.children();
    ASSERT_EQ(children.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const auto* widget = qobject_cast<QWidget*>(children[i]);
        ASSERT_NE(widget, nullptr);
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(widget->objectName().toStdString(), expected[i].name);
        EXPECT_EQ(widget->property("tag").toInt(), expected[i].tag);
        EXPECT_EQ(widget->geometry(), expected[i].place);
    }

    // Only the reptile is out of reach; the frame lets clicks through to the picture beneath.
    EXPECT_FALSE(Image1->isEnabled());
    EXPECT_TRUE(Image2->isEnabled());
    EXPECT_TRUE(Image3->isEnabled());
    EXPECT_TRUE(SelImage->testAttribute(Qt::WA_TransparentForMouseEvents));

    // The pictures come from the library's own resources, which a static link can lose.
    for (const QLabel* picture : {Image1, Image2, Image3, SelImage}) {
        SCOPED_TRACE(picture->objectName().toStdString());
        EXPECT_EQ(picture->pixmap().deviceIndependentSize(), QSizeF(100, 100));
    }
}

// What the dialog shows: the characters that can be chosen in their colours, the reptile greyed.
TEST_F(ShapeDlg, ChoosableCharactersAreInColourAndTheReptileIsGreyed)
{
    const auto colouredPixels = [](QLabel* picture) {
        const QImage shown = picture->grab().toImage();
        int coloured = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                coloured += QColor(shown.pixel(x, y)).hsvSaturation() > 100 ? 1 : 0;
        return coloured;
    };
    EXPECT_GT(colouredPixels(Image2), 1000) << "the snail";
    EXPECT_GT(colouredPixels(Image3), 1000) << "the turtle";
    EXPECT_EQ(colouredPixels(Image1), 0) << "the reptile";
}

TEST_F(ShapeDlg, EveryShowingPutsTheFrameOnTheCallersSelection)
{
    const struct {
        std::int32_t shape;
        QPoint frame;
    } cases[] = {
        {2, {248, 24}},
        {3, {24, 24}},
        // The reptile cannot be clicked, but a caller's 1 still finds it.
        {1, {136, 24}},
        // No picture has tag 0 but the frame itself: it stays where it was.
        {0, {136, 24}},
        // Nothing has tag 7: nothing changes.
        {7, {136, 24}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shape);
        Open(c.shape);
        EXPECT_EQ(SelImage->pos(), c.frame);
        EXPECT_EQ(dialog.SelectedShape, c.shape);
    }
}

TEST_F(ShapeDlg, ClicksMoveTheFrameExceptOnTheDisabledReptile)
{
    // With no selection the frame still lies on the turtle; a click there reaches the turtle.
    Open(0);
    ClickOn(Image3);
    EXPECT_EQ(dialog.SelectedShape, 3);

    ClickOn(Image2);
    EXPECT_EQ(SelImage->pos(), QPoint(248, 24));
    EXPECT_EQ(dialog.SelectedShape, 2);

    ClickOn(Image1);
    EXPECT_EQ(SelImage->pos(), QPoint(248, 24));
    EXPECT_EQ(dialog.SelectedShape, 2);

    ClickOn(Image3);
    EXPECT_EQ(SelImage->pos(), QPoint(24, 24));
    EXPECT_EQ(dialog.SelectedShape, 3);

    // A press that starts beside a picture is no click on it.
    const QPoint snail = Image2->geometry().center();
    QTest::mousePress(dialog.windowHandle(), Qt::LeftButton, {}, QPoint(240, 70));
    QTest::mouseRelease(dialog.windowHandle(), Qt::LeftButton, {}, snail);
    EXPECT_EQ(dialog.SelectedShape, 3);
    QTest::mouseClick(dialog.windowHandle(), Qt::RightButton, {}, snail);
    EXPECT_EQ(dialog.SelectedShape, 3);
}

TEST_F(ShapeDlg, OkAndCancelGiveTheirResultsAndKeepTheClickedChoice)
{
    auto* ok = dialog.findChild<QPushButton*>("OkBtn");
    auto* cancel = dialog.findChild<QPushButton*>("CancelBtn");
    ASSERT_TRUE(ok && cancel);
    EXPECT_EQ(ok->text(), "Ok");
    EXPECT_EQ(cancel->text(), "Anuluj");
    EXPECT_TRUE(ok->isDefault());

    const struct {
        const char* name;
        std::function<void()> end;
        int result;
    } cases[] = {
        // Keys first: once a button has been clicked it keeps the focus, and Enter presses it.
        {"Enter", [&] { QTest::keyClick(&dialog, Qt::Key_Return); }, QDialog::Accepted},
        {"Esc", [&] { QTest::keyClick(&dialog, Qt::Key_Escape); }, QDialog::Rejected},
        {"Ok", [&] { QTest::mouseClick(ok, Qt::LeftButton); }, QDialog::Accepted},
        {"Anuluj", [&] { QTest::mouseClick(cancel, Qt::LeftButton); }, QDialog::Rejected},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Open(3);
        ClickOn(Image2);
        c.end();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), c.result);
        // Cancel does not undo the click: the caller sets the selection before every showing.
        EXPECT_EQ(dialog.SelectedShape, 2);
    }
}

} // namespace
