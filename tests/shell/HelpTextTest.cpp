#include "dialogs/RecordTexts.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "shell/Application.h"
#include "shell/CameraReturn.h"
#include "shell/MainForm.h"
#include "shell/PanelAccess.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QRegularExpression>
#include <QTextDocument>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

QString IntroductionText()
{
    QFile file(QStringLiteral("Qel.hlp"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QTextDocument page;
    page.setHtml(QString::fromUtf8(file.readAll()));
    return page.toPlainText().simplified();
}

QString Named(QString text)
{
    return text.remove(QLatin1Char('&')).remove(QRegularExpression(QStringLiteral("\\.\\.\\.$")));
}

// The introduction names every menu, menu item, tool-bar button and key of the main window, so
// that what a child reads is what the window offers.
TEST(HelpText, TheIntroductionNamesEverythingTheMainWindowOffers)
{
    ScriptedMessageBoxes boxes;
    ApplicationWindows windows;
    MainForm->StartTimer.stop();
    const QString help = IntroductionText();
    ASSERT_FALSE(help.isEmpty());
    for (const QAction* action : MainForm->findChildren<QAction*>()) {
        if (action->isSeparator() || action->text().isEmpty() || action->associatedObjects().isEmpty())
            continue;
        const QString name = Named(action->menu() ? action->menu()->title() : action->text());
        EXPECT_TRUE(help.contains(name)) << name.toStdString();
        for (const QKeySequence& keys : action->shortcuts())
            EXPECT_TRUE(help.contains(keys.toString())) << name.toStdString() << " " << keys.toString().toStdString();
    }
    for (const PanelCommandKey& key : PanelCommandKeys())
        EXPECT_TRUE(help.contains(QString::fromUtf8(key.keyName))) << key.keyName;
    EXPECT_TRUE(help.contains(QStringLiteral("F11")));
    EXPECT_TRUE(help.contains(CameraReturn::kHint)) << "the 3D view's hint";
}

// The steps of how a drawing came about name each command as its button does.
TEST(HelpText, TheDrawingsStepsSpeakWithTheButtonsWords)
{
    ScriptedMessageBoxes boxes;
    ApplicationWindows windows;
    MainForm->StartTimer.stop();
    const struct {
        RecordOp op;
        const char* button;
    } commands[] = {
        {RecordOp::Forward, "ForwardBtn"}, {RecordOp::Backward, "BackwardBtn"}, {RecordOp::Right, "RightBtn"},
        {RecordOp::Left, "LeftBtn"},       {RecordOp::Circle, "CircleBtn"},     {RecordOp::Square, "SquareBtn"},
        {RecordOp::Fill, "FillBtn"},
    };
    for (const auto& command : commands) {
        const auto* button = MainForm->findChild<QToolButton*>(QLatin1String(command.button));
        ASSERT_NE(button, nullptr) << command.button;
        RecordEntry entry;
        entry.Op = command.op;
        entry.Amount = 10;
        const QString step = RecordEntryText(entry);
        EXPECT_TRUE(step.startsWith(button->accessibleName())) << step.toStdString();
    }
}

} // namespace
