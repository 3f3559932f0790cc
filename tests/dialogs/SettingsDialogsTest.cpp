#include "dialogs/PenDlg.h"
#include "dialogs/PenSettings.h"
#include "dialogs/PosDlg.h"
#include "dialogs/TurtleSettings.h"
#include "fakes/RecordingPanel.h"
#include "turtle/SheetColors.h"
#include "turtle/TurtleSheet.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

namespace {

struct Control {
    const char* name;
    QRect place;
    const char* text = "";
};

QString TextOf(const QWidget& widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return button->text();
    return {};
}

// The dialog's own widgets, in creation order (which is also their stacking order).
void ExpectControls(const QDialog& dialog, const std::vector<Control>& expected)
{
    std::vector<const QWidget*> widgets;
    for (const QObject* child : dialog.children())
        if (const auto* widget = qobject_cast<const QWidget*>(child))
            widgets.push_back(widget);
    ASSERT_EQ(widgets.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(widgets[i]->objectName().toStdString(), expected[i].name);
        EXPECT_EQ(widgets[i]->geometry(), expected[i].place);
        EXPECT_EQ(TextOf(*widgets[i]).toStdString(), expected[i].text);
    }
}

// Ends the next modal showing of the dialog with `end`, after `edit`.
void WhenShown(QDialog& dialog, std::function<void()> edit, std::function<void()> end)
{
    QTimer::singleShot(0, &dialog, [&dialog, edit, end] {
        ASSERT_TRUE(dialog.isVisible());
        edit();
        end();
    });
}

class Settings : public testing::Test {
protected:
    TTurtleState turtle;
    RecordingPanel panel;
    TurtleSheet sheet{turtle, panel};
};

// ---- pen ----

class PenSettings : public Settings {
protected:
    TPenDlg dialog;
    QLineEdit* WidthEdit = dialog.findChild<QLineEdit*>("WidthEdit");
    QLineEdit* ColorEdit = dialog.findChild<QLineEdit*>("ColorEdit");
    QRadioButton* raise = dialog.findChild<QRadioButton*>("PenStateItem0");
    QRadioButton* lower = dialog.findChild<QRadioButton*>("PenStateItem1");
    QPushButton* ok = dialog.findChild<QPushButton*>("OkBtn");
    QPushButton* cancel = dialog.findChild<QPushButton*>("CancelBtn");

    void SetUp() override { ASSERT_TRUE(WidthEdit && ColorEdit && raise && lower && ok && cancel); }
};

TEST_F(PenSettings, ControlsStandInTheirPlacesWithTheirCaptions)
{
    EXPECT_EQ(dialog.windowTitle(), "Ustawienia pisaka");
    EXPECT_EQ(dialog.size(), QSize(313, 212));
    ExpectControls(dialog, {
        {"Bevel1", {8, 8, 297, 153}},
        {"ModeState", {8, 8, 153, 89}},
        {"PenState", {160, 8, 145, 65}},
        {"Label2", {208, 88, 45, 13}, "Grubość"},
        {"WidthEdit", {256, 84, 41, 21}},
        {"Label1", {224, 120, 29, 13}, "Kolor"},
        {"ColorEdit", {256, 116, 41, 21}},
        {"Image1", {16, 112, 194, 32}},
        {"OkBtn", {128, 176, 75, 25}, "OK"},
        {"CancelBtn", {224, 176, 75, 28}, "Anuluj"},
    });
    const std::pair<const char*, const char*> items[] = {
        {"ModeItem0", "Rysowanie"}, {"ModeItem1", "Usuwanie"}, {"ModeItem2", "Odwracanie"},
        {"PenStateItem0", "Podnieś"}, {"PenStateItem1", "Opuść"},
    };
    for (const auto& [name, text] : items) {
        const auto* item = dialog.findChild<QRadioButton*>(name);
        ASSERT_NE(item, nullptr) << name;
        EXPECT_EQ(item->text().toStdString(), text);
    }
    EXPECT_TRUE(ok->isDefault());
    EXPECT_FALSE(cancel->isDefault());
}

TEST_F(PenSettings, TabbingVisitsButtonsModeColourWidthAndPenState)
{
    // A radio group is one stop in the list, whichever of its items takes the focus.
    std::vector<std::string> stops;
    QWidget* widget = ok;
    do {
        if (widget->focusPolicy() & Qt::TabFocus) {
            const auto* group = qobject_cast<QGroupBox*>(widget->parentWidget());
            const std::string stop = (group ? group : widget)->objectName().toStdString();
            if (stops.empty() || stops.back() != stop)
                stops.push_back(stop);
        }
        widget = widget->nextInFocusChain();
    } while (widget != ok);
    EXPECT_EQ(stops, (std::vector<std::string>{"OkBtn", "CancelBtn", "ModeState", "ColorEdit",
                                                "WidthEdit", "PenState"}));
}

TEST_F(PenSettings, ColourChartShowsEachCellWhereItsNumberSays)
{
    const QImage chart = dialog.findChild<QLabel*>("Image1")->pixmap().toImage();
    ASSERT_EQ(chart.size(), QSize(194, 32));
    for (int cell = 0; cell < kColorCount; ++cell) {
        SCOPED_TRACE(cell);
        // A corner of the cell, clear of its number.
        const QPoint corner((cell % 8) * 194 / 8 + 1, (cell / 8) * 16 + 1);
        EXPECT_EQ(chart.pixel(corner), CellRgb(cell));
    }
    // The corner colours are the named ones: red second on top, navy fifth below.
    EXPECT_EQ(CellRgb(1), qRgb(255, 0, 0));
    EXPECT_EQ(CellRgb(12), qRgb(0, 0, 128));
}

TEST_F(PenSettings, FillShowsTheRecordWithTheItemsMeaningWhatTheySay)
{
    const struct {
        const char* name;
        TTurtleState record;
        int mode, penState;
        const char* width;
        const char* colour;
    } cases[] = {
        // Stored colour 12 is palette cell 4 (blue). The pen draws: "Opuść" (lowered).
        {"start", {}, 0, kPenLoweredItem, "2", "4"},
        {"raised", {.PenDown = false, .PenColor = 9, .PenWidth = 8, .PenMode = 2},
         2, kPenRaisedItem, "8", "1"},
        // A mode from outside the group still leaves an item chosen.
        {"odd mode", {.PenMode = 7}, 2, kPenLoweredItem, "2", "4"},
        {"negative mode", {.PenMode = -3}, 0, kPenLoweredItem, "2", "4"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FillPenDialog(dialog, c.record);
        EXPECT_EQ(dialog.ModeIndex(), c.mode);
        EXPECT_EQ(dialog.PenStateIndex(), c.penState);
        EXPECT_EQ(WidthEdit->text().toStdString(), c.width);
        EXPECT_EQ(ColorEdit->text().toStdString(), c.colour);
    }
}

TEST_F(PenSettings, EachFieldIsAppliedOnItsOwnAndOutOfRangeValuesAreDropped)
{
    const struct {
        const char* width;
        const char* colour;
        int penWidth;
        int penColor; // stored number
    } cases[] = {
        {"5", "1", 5, 9},
        {"9", "2", 3, 10},       // bad width, the colour still applies
        {"0", "2", 3, 10},
        {"-1", "3", 3, 11},
        {"abc", "4", 3, 12},     // letters: blue is stored as 12
        {"7", "16", 7, 0},       // colour out of range
        {"7", "-1", 7, 0},
        {"7", "zielony", 7, 0},
        {" 6 ", " 15 ", 6, 8},   // spaces around a number; white is stored as 8
        {"", "", 3, 0},
        {"99999999999", "2.0", 3, 0}, // too long for an integer; no fraction allowed
        {"8", "0", 8, 0},
        {"1", "8", 1, 7},       // grey is stored as 7
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.width) + " / " + c.colour);
        sheet.SetPenWidth(3);
        sheet.SetPenColor(0);
        WidthEdit->setText(c.width);
        ColorEdit->setText(c.colour);
        ApplyPenDialog(dialog, sheet);
        EXPECT_EQ(turtle.PenWidth, c.penWidth);
        EXPECT_EQ(turtle.PenColor, c.penColor);
        EXPECT_EQ(panel.penWidthLabel.toStdString(), std::to_string(c.penWidth));
    }
}

TEST_F(PenSettings, PodniesRaisesThePenAndOpuscLowersIt)
{
    FillPenDialog(dialog, turtle);
    QTest::mouseClick(raise, Qt::LeftButton);
    ApplyPenDialog(dialog, sheet);
    EXPECT_FALSE(turtle.PenDown);
    EXPECT_FALSE(panel.penDown);

    // Shown again, the raised pen comes back as "Podnieś".
    FillPenDialog(dialog, turtle);
    EXPECT_TRUE(raise->isChecked());
    QTest::mouseClick(lower, Qt::LeftButton);
    ApplyPenDialog(dialog, sheet);
    EXPECT_TRUE(turtle.PenDown);
    EXPECT_TRUE(panel.penDown);
    FillPenDialog(dialog, turtle);
    EXPECT_TRUE(lower->isChecked());
}

TEST_F(PenSettings, OkAppliesEverythingAndCancelNothingNotEvenTheMode)
{
    const auto editAll = [&] {
        dialog.findChild<QRadioButton*>("ModeItem1")->click();
        raise->click();
        WidthEdit->setText("6");
        ColorEdit->setText("2");
    };
    const struct {
        const char* name;
        std::function<void()> end;
        bool applied;
    } cases[] = {
        {"Esc", [&] { QTest::keyClick(&dialog, Qt::Key_Escape); }, false},
        {"Anuluj", [&] { cancel->click(); }, false},
        {"Enter", [&] { QTest::keyClick(WidthEdit, Qt::Key_Return); }, true},
        {"OK", [&] { ok->click(); }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        turtle = TTurtleState{};
        sheet.ApplyTurtle();
        WhenShown(dialog, editAll, c.end);
        RunPenDialog(dialog, sheet);
        const TTurtleState expected = c.applied
            ? TTurtleState{.PenDown = false, .PenColor = 10, .PenWidth = 6, .PenMode = 1}
            : TTurtleState{};
        EXPECT_EQ(turtle.PenMode, expected.PenMode);
        EXPECT_EQ(turtle.PenDown, expected.PenDown);
        EXPECT_EQ(turtle.PenWidth, expected.PenWidth);
        EXPECT_EQ(turtle.PenColor, expected.PenColor);
    }
}

// ---- turtle ----

class TurtleSettings : public Settings {
protected:
    TPosDlg dialog;
    QLineEdit* XPosEdit = dialog.findChild<QLineEdit*>("XPosEdit");
    QLineEdit* YPosEdit = dialog.findChild<QLineEdit*>("YPosEdit");
    QLineEdit* DirEdit = dialog.findChild<QLineEdit*>("DirEdit");

    void SetUp() override { ASSERT_TRUE(XPosEdit && YPosEdit && DirEdit); }

    void Type(const char* x, const char* y, const char* dir)
    {
        XPosEdit->setText(QString::fromUtf8(x));
        YPosEdit->setText(QString::fromUtf8(y));
        DirEdit->setText(QString::fromUtf8(dir));
    }
};

constexpr double kDegree = std::numbers::pi / 180;

TEST_F(TurtleSettings, ControlsStandInTheirPlacesWithOnlyTheTurtleToChoose)
{
    EXPECT_EQ(dialog.windowTitle(), "Ustawienia żółwia");
    EXPECT_EQ(dialog.size(), QSize(313, 406));
    ExpectControls(dialog, {
        {"Bevel1", {8, 8, 297, 345}},
        {"Image3", {16, 16, 100, 100}},
        {"Image1", {16, 128, 100, 100}},
        {"Image2", {16, 240, 100, 100}},
        {"SelImage", {16, 16, 100, 100}},
        {"Label1", {152, 32, 97, 13}, "Współrzędna X"},
        {"XPosEdit", {168, 52, 97, 21}},
        {"Label2", {152, 88, 97, 13}, "Współrzędna Y"},
        {"YPosEdit", {168, 108, 97, 21}},
        {"Label3", {152, 144, 97, 13}, "Kierunek"},
        {"DirEdit", {168, 164, 97, 21}},
        {"OkBtn", {128, 368, 75, 28}, "Ok"},
        {"CancelBtn", {224, 368, 75, 28}, "Anuluj"},
    });
    for (const char* name : {"Image1", "Image2", "Image3", "SelImage"}) {
        const auto* picture = dialog.findChild<QLabel*>(name);
        SCOPED_TRACE(name);
        EXPECT_EQ(picture->pixmap().deviceIndependentSize(), QSizeF(100, 100));
        EXPECT_EQ(picture->isEnabled(), std::string(name) != "Image1" && std::string(name) != "Image2");
    }
    EXPECT_TRUE(dialog.findChild<QPushButton*>("OkBtn")->isDefault());

    // Clicks on the greyed characters do not move the frame off the turtle.
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const auto* frame = dialog.findChild<QLabel*>("SelImage");
    for (const char* name : {"Image1", "Image2", "Image3"}) {
        const QPoint centre = dialog.findChild<QLabel*>(name)->geometry().center();
        QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, {}, centre);
        EXPECT_EQ(frame->pos(), QPoint(16, 16)) << name;
    }
}

TEST_F(TurtleSettings, FillShowsWholeUnitsAndDegreesTruncatedTowardZero)
{
    const struct {
        double x, y, heading;
        const char *xText, *yText, *dirText;
    } cases[] = {
        {12.9, -12.9, 90.5 * kDegree, "12", "-12", "90"},
        {-0.5, 0.99, -0.5 * kDegree, "0", "0", "0"},
        // Turns are not wrapped, and the sign stays.
        {0, 0, -1080.7 * kDegree, "0", "0", "-1080"},
        {127, -127, 3 * 360 * kDegree, "127", "-127", "1080"},
        // Far beyond any integer range, still shown as a whole number.
        {1e20, -3e10, 0, "100000000000000000000", "-30000000000", "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.xText);
        FillTurtleDialog(dialog, {.X = c.x, .Y = c.y, .Heading = c.heading});
        EXPECT_EQ(XPosEdit->text().toStdString(), c.xText);
        EXPECT_EQ(YPosEdit->text().toStdString(), c.yText);
        EXPECT_EQ(DirEdit->text().toStdString(), c.dirText);
    }
}

TEST_F(TurtleSettings, EachFieldIsAppliedOnItsOwnAndOnlyFiniteNumbersAreTaken)
{
    const TTurtleState start{.X = 5.5, .Y = -6.5, .Heading = 1.0};
    const struct {
        const char *x, *y, *dir;
        double X, Y, Heading;
    } cases[] = {
        {"10", "-20", "45", 10, -20, 0.7853981633974483},
        {"abc", "30", "", 5.5, 30, 1.0},
        {"12.25", " 7 ", "-720", 12.25, 7, -720 * 0.017453292519943295},
        // Beyond the sheet is taken as typed, up to what a record keeps; headings are not bounded.
        {"500", "-127.5", "1e6", 500, -127.5, 1e6 * 0.017453292519943295},
        {"1e300", "-1e300", "0", 1e6, -1e6, 0},
        {"127", "-126.5", "0", 127, -126.5, 0},
        // Nothing that would leave the turtle nowhere.
        {"nan", "inf", "-inf", 5.5, -6.5, 1.0},
        {"1e999", "", "x45", 5.5, -6.5, 1.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.x) + " / " + c.y + " / " + c.dir);
        turtle = start;
        Type(c.x, c.y, c.dir);
        ApplyTurtleDialog(dialog, turtle);
        EXPECT_EQ(turtle.X, c.X);
        EXPECT_EQ(turtle.Y, c.Y);
        EXPECT_EQ(turtle.Heading, c.Heading);
        EXPECT_EQ(turtle.PenDown, start.PenDown);
        EXPECT_EQ(turtle.PenColor, start.PenColor);
    }
}

TEST_F(TurtleSettings, NumbersAreReadWithTheUsersDecimalSeparator)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    Type("12,5", "3.5", "-7,25");
    ApplyTurtleDialog(dialog, turtle);
    QLocale::setDefault(previous);
    EXPECT_EQ(turtle.X, 12.5);
    EXPECT_EQ(turtle.Y, 0.0); // a point is not the Polish separator
    EXPECT_EQ(turtle.Heading, -7.25 * 0.017453292519943295);
}

TEST_F(TurtleSettings, OkChangesOnlyTheFieldsTypedInAndCancelChangesNothing)
{
    const TTurtleState start{.X = 12.9, .Y = -3.7, .Heading = 0.5};
    const struct {
        const char* name;
        std::function<void()> edit;
        std::function<void()> end;
        TTurtleState expected;
    } cases[] = {
        {"OK untouched", [] {}, [&] { QTest::keyClick(&dialog, Qt::Key_Return); }, start},
        {"OK after typing Y", [&] { YPosEdit->setText("40"); }, [&] { QTest::keyClick(&dialog, Qt::Key_Return); },
         {.X = 12.9, .Y = 40, .Heading = 0.5}},
        {"Anuluj", [&] { Type("1", "2", "3"); },
         [&] { dialog.findChild<QPushButton*>("CancelBtn")->click(); }, start},
        {"Esc", [&] { Type("1", "2", "3"); }, [&] { QTest::keyClick(&dialog, Qt::Key_Escape); },
         start},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        turtle = start;
        WhenShown(dialog, c.edit, c.end);
        RunTurtleDialog(dialog, sheet);
        EXPECT_EQ(turtle.X, c.expected.X);
        EXPECT_EQ(turtle.Y, c.expected.Y);
        EXPECT_EQ(turtle.Heading, c.expected.Heading);
    }
    // The jump draws nothing and leaves the panel alone.
    EXPECT_EQ(panel.penColorLabel, "?");
}

TEST_F(TurtleSettings, EveryWholeDegreeTypedShowsAgainAsTyped)
{
    for (int degrees = -1080; degrees <= 1080; ++degrees) {
        turtle = TTurtleState{};
        Type("0", "0", std::to_string(degrees).c_str());
        ApplyTurtleDialog(dialog, turtle);
        FillTurtleDialog(dialog, turtle);
        ASSERT_EQ(DirEdit->text().toStdString(), std::to_string(degrees));
        // and OK on the reopened dialog keeps the heading as it is.
        const double heading = turtle.Heading;
        ApplyTurtleDialog(dialog, turtle);
        ASSERT_EQ(turtle.Heading, heading);
    }
}

} // namespace
