#include "dialogs/AboutDlg.h"
#include "dialogs/DisplayDlg.h"
#include "dialogs/PenDlg.h"
#include "dialogs/PosDlg.h"
#include "dialogs/ScreenDlg.h"
#include "dialogs/ShapeDlg.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "dialogs/OpenDlg.h"
#include "dialogs/SaveDlg.h"
#include "shell/Application.h"
#include "shell/MainForm.h"
#include "shell/ProgressForm.h"
#include "turtle/TurtleMotion.h"
#include "ui_MainForm.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QStyleOption>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

QString Shown(QString text)
{
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&')).replace(
        QLatin1Char('\x01'), QLatin1Char('&'));
}

// The room a control gives its text, or -1 when it shows none.
int RoomForText(const QWidget& widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        if (label->text().isEmpty() || label->wordWrap())
            return -1;
        // A framed label without an indent of its own keeps half an "x" from its frame.
        const int indent = label->indent() >= 0 ? label->indent()
                           : label->frameWidth() > 0 ? label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2
                                                     : 0;
        return label->contentsRect().width() - 2 * label->margin() - indent;
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = group->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        return group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group).width();
    }
    if (const auto* check = qobject_cast<const QCheckBox*>(&widget)) {
        QStyleOptionButton option;
        option.initFrom(check);
        return check->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, check).width();
    }
    if (const auto* radio = qobject_cast<const QRadioButton*>(&widget)) {
        QStyleOptionButton option;
        option.initFrom(radio);
        return radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio).width();
    }
    if (const auto* push = qobject_cast<const QPushButton*>(&widget)) {
        QStyleOptionButton option;
        option.initFrom(push);
        return push->style()->subElementRect(QStyle::SE_PushButtonContents, &option, push).width();
    }
    return -1;
}

QString TextOf(const QWidget& widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return label->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(&widget))
        return Shown(group->title());
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return Shown(button->text());
    return {};
}

void ExpectEveryTextFits(const QWidget& window, const std::string& when)
{
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->isHidden())
            continue;
        const int room = RoomForText(*widget);
        if (room < 0)
            continue;
        const QString text = TextOf(*widget);
        const int needed = widget->fontMetrics().horizontalAdvance(text);
        EXPECT_LE(needed, room) << window.objectName().toStdString() << " / " << widget->objectName().toStdString()
                                << " \"" << text.toStdString() << "\" " << when;
    }
}

class TextsFitTest : public ::testing::Test {
protected:
    ScriptedMessageBoxes boxes;
    ApplicationWindows windows;
};

// Alt with a menu's letter opens it; then one more letter chooses one item only.
TEST_F(TextsFitTest, EveryMenuItemHasALetterOfItsOwn)
{
    const auto* bar = MainForm->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    QList<const QWidget*> menus{bar};
    for (const QMenu* menu : bar->findChildren<const QMenu*>())
        menus.append(menu);
    for (const QWidget* menu : menus) {
        QSet<int> taken;
        for (const QAction* action : menu->actions()) {
            if (action->isSeparator())
                continue;
            const QKeySequence letter = QKeySequence::mnemonic(action->text());
            EXPECT_TRUE(!letter.isEmpty() && !taken.contains(letter[0].toCombined())) << action->text().toStdString();
            taken.insert(letter[0].toCombined());
        }
    }
}

// Every window with its longest realistic values: no label, button or status panel is narrower
// than its text.
TEST_F(TextsFitTest, NoTextIsWiderThanItsPlace)
{
    TMainForm& form = *MainForm;
    form.StartTimer.stop();
    const auto longestTurtle = [&form] {
        form.ResetWorkspace();
        for (int page = 1; page < Notebook::kMaxPages; ++page)
            form.Document.NewPage(false);
        form.Sheet.SetPenColor(7);   // cell 8
        form.Sheet.SetBGColor(8);    // cell 15
        form.Sheet.SetPenWidth(8);
        form.Turtle.X = -99999.9;
        form.Turtle.Y = -99999.9;
        form.Turtle.Heading = -9999.9 * TurtleMotion::kPi / 180;
        form.RefreshStatus();
        for (QSlider* track : form.findChildren<QSlider*>())
            track->setValue(track->maximum());
    };
    const struct {
        QWidget* window;
        std::function<void()> longest;
    } windowsOfTheProgram[] = {
        {MainForm, longestTurtle}, {AboutDlg, {}}, {OpenDlg, {}},   {SaveDlg, {}},     {PenDlg, {}},
        {PosDlg, {}},              {ScreenDlg, {}}, {DisplayDlg, {}}, {ProgressForm, {}}, {ShapeDlg, {}},
    };
    for (const auto& w : windowsOfTheProgram) {
        ASSERT_NE(w.window, nullptr);
        ExpectEveryTextFits(*w.window, "at start");
        if (w.longest) {
            w.longest();
            ExpectEveryTextFits(*w.window, "at the longest values");
        }
    }
    EXPECT_TRUE(form.StatusText(4).startsWith("K = -9999")) << form.StatusText(4).toStdString();
    EXPECT_EQ(form.StatusText(2), "X = -99999");
}

} // namespace
