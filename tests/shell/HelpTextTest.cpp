#include "dialogs/RecordTexts.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "shell/Application.h"
#include "shell/CameraReturn.h"
#include "shell/Language.h"
#include "shell/MainForm.h"
#include "shell/PanelAccess.h"
#include "win/HelpViewer.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QRegularExpression>
#include <QTextDocument>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

// The introduction in each language, with the file it is read from.
struct HelpLanguage {
    const char* name;
    Language language;
    const char* introduction;
};
constexpr HelpLanguage kHelpLanguages[] = {{"Polish", Language::Polish, "Qel.hlp"},
                                           {"English", Language::English, "Qel_en.hlp"}};

// Keeps the names of the help files asked for.
class RecordingHelpViewer final : public win::HelpViewer {
public:
    RecordingHelpViewer() { win::SetHelpViewer(this); }
    ~RecordingHelpViewer() override { win::SetHelpViewer(nullptr); }

    bool Show(const win::HelpRequest& request) override
    {
        files.push_back(request.file);
        return true;
    }

    QStringList files;
};

QString IntroductionText(const char* name)
{
    QFile file(QString::fromLatin1(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QTextDocument page;
    page.setHtml(QString::fromUtf8(file.readAll()));
    return page.toPlainText().simplified();
}

QString Named(QString text)
{
    return text.remove(QLatin1Char('&')).remove(QRegularExpression(QStringLiteral("(\\.\\.\\.|…)$")));
}

class HelpText : public testing::TestWithParam<HelpLanguage> {
protected:
    ScriptedMessageBoxes boxes;
    ApplicationWindows windows;

    void SetUp() override
    {
        MainForm->StartTimer.stop();
        UseLanguage(GetParam().language);
    }
    void TearDown() override { UseLanguage(Language::Polish); }
};

INSTANTIATE_TEST_SUITE_P(Languages, HelpText, testing::ValuesIn(kHelpLanguages),
                         [](const testing::TestParamInfo<HelpLanguage>& language) {
                             return std::string(language.param.name);
                         });

// The introduction names every menu, menu item, tool-bar button and key of the main window, so
// that what a child reads is what the window offers, in each language.
TEST_P(HelpText, TheIntroductionNamesEverythingTheMainWindowOffers)
{
    const QString help = IntroductionText(GetParam().introduction);
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
        EXPECT_TRUE(help.contains(QCoreApplication::translate("PanelAccess", key.keyName))) << key.keyName;
    EXPECT_TRUE(help.contains(QStringLiteral("F11")));
    EXPECT_TRUE(help.contains(CameraReturn::Hint())) << "the 3D view's hint";

    RecordingHelpViewer viewer;
    MainForm->ContHelpMenuClick();
    EXPECT_EQ(viewer.files, QStringList{QString::fromLatin1(GetParam().introduction)}) << "the help in the language";
}

// The steps of how a drawing came about name each command as its button does.
TEST_P(HelpText, TheDrawingsStepsSpeakWithTheButtonsWords)
{
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
