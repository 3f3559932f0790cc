#include "dialogs/RecordListDlg.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "shell/Application.h"
#include "shell/Language.h"
#include "shell/MainForm.h"
#include "shell/ProgramSettings.h"
#include "turtle/TurtleMotion.h"
#include "ui_MainForm.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QTreeWidget>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

// Every text a window shows or gives a screen reader, by where it stands.
using WindowTexts = std::map<QString, QString>;

void Add(WindowTexts& texts, const QObject& owner, const char* kind, const QString& text)
{
    if (!text.isEmpty())
        texts[owner.objectName() + QLatin1Char('.') + QLatin1String(kind) + QLatin1Char('@')
              + QString::number(reinterpret_cast<quintptr>(&owner), 16)] = text;
}

void AddWidget(WindowTexts& texts, const QWidget& widget)
{
    if (widget.isWindow())
        Add(texts, widget, "title", widget.windowTitle());
    Add(texts, widget, "toolTip", widget.toolTip());
    Add(texts, widget, "statusTip", widget.statusTip());
    Add(texts, widget, "whatsThis", widget.whatsThis());
    Add(texts, widget, "accessibleName", widget.accessibleName());
    Add(texts, widget, "accessibleDescription", widget.accessibleDescription());
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        Add(texts, widget, "text", button->text());
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        Add(texts, widget, "text", label->text());
    if (const auto* group = qobject_cast<const QGroupBox*>(&widget))
        Add(texts, widget, "title", group->title());
    if (const auto* menu = qobject_cast<const QMenu*>(&widget))
        Add(texts, widget, "title", menu->title());
    if (const auto* list = qobject_cast<const QTreeWidget*>(&widget))
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            Add(texts, widget, qPrintable(QStringLiteral("item%1").arg(row)), list->topLevelItem(row)->text(0));
}

// Walks every window the program has made, with all their controls and actions.
WindowTexts ShownTexts()
{
    WindowTexts texts;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        AddWidget(texts, *window);
        for (const QWidget* widget : window->findChildren<QWidget*>())
            AddWidget(texts, *widget);
        for (const QAction* action : window->findChildren<QAction*>()) {
            Add(texts, *action, "text", action->text());
            Add(texts, *action, "toolTip", action->toolTip());
            Add(texts, *action, "statusTip", action->statusTip());
        }
    }
    return texts;
}

// The Polish texts the English translation says otherwise.
std::set<QString> PolishSourceTexts()
{
    QFile file(QStringLiteral(QEL_ENGLISH_TS));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << QEL_ENGLISH_TS;
    std::set<QString> sources;
    QXmlStreamReader reader(&file);
    QString source;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == QLatin1String("source"))
            source = reader.readElementText();
        else if (reader.name() == QLatin1String("translation") && reader.readElementText() != source)
            sources.insert(source);
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return sources;
}

// A page drawn on a silver sheet: forward, then a blue pen.
DrawingRecord SomeRecord()
{
    return DrawingRecord::Of(
        {EntryOf(RecordOp::Start, 15), EntryOf(RecordOp::Forward, 100), EntryOf(RecordOp::PenColor, 12)});
}

QString WithoutMarks(QString text)
{
    return text.remove(QLatin1Char('&'));
}

class LanguageSwitch : public testing::Test {
protected:
    ScriptedMessageBoxes boxes;
    ApplicationWindows windows;

    void SetUp() override
    {
        MainForm->StartTimer.stop();
        UseLanguage(::Language::Polish);
    }
    void TearDown() override { UseLanguage(::Language::Polish); }

    static QAction* Choice(const char* name)
    {
        auto* menu = MainForm->findChild<QMenu*>(QStringLiteral("LanguageMenu"));
        for (QAction* action : menu ? menu->actions() : QList<QAction*>())
            if (action->text().remove(QLatin1Char('&')) == QLatin1String(name))
                return action;
        return nullptr;
    }
};

} // namespace

// The windows, switched to English while they are open, keep no Polish word; switched back,
// they read exactly as they did at first.
TEST_F(LanguageSwitch, EveryWindowSwitchesToEnglishAndBackWhileOpen)
{
    RecordListDlg record(MainForm, {});
    record.ShowRecord(SomeRecord());
    const WindowTexts polish = ShownTexts();
    ASSERT_GT(polish.size(), 200u);

    UseLanguage(::Language::English);
    const std::set<QString> sources = PolishSourceTexts();
    std::set<QString> unmarkedSources;
    for (const QString& source : sources)
        unmarkedSources.insert(WithoutMarks(source));
    const QRegularExpression polishLetters(QStringLiteral("[ąćęłńóśźżĄĆĘŁŃÓŚŹŻ]"));
    const WindowTexts english = ShownTexts();
    EXPECT_EQ(english.size(), polish.size());
    // The command keys keep their letters, and the English hints name the Polish words they come from.
    const QRegularExpression polishWord(QStringLiteral("from the Polish \\w+"), QRegularExpression::UseUnicodePropertiesOption);
    for (const auto& [where, text] : english) {
        EXPECT_FALSE(QString(text).remove(polishWord).contains(polishLetters)) << where.toStdString() << ": " << text.toStdString();
        EXPECT_FALSE(sources.count(text) || unmarkedSources.count(WithoutMarks(text)))
            << where.toStdString() << ": " << text.toStdString();
    }

    UseLanguage(::Language::Polish);
    EXPECT_EQ(ShownTexts(), polish);
}

// The choice in the options menu changes the language at once, marks it, and is what the next
// start begins with; the system's language counts only until a choice is made.
TEST_F(LanguageSwitch, TheMenuChoiceAppliesAtOnceAndIsRemembered)
{
    EXPECT_EQ(SystemLanguage(), ::Language::Polish) << "the tests' environment speaks Polish";
    ProgramSettings().remove(QStringLiteral("language"));
    EXPECT_EQ(StartLanguage(), SystemLanguage());
    QAction* english = Choice("English");
    QAction* polish = Choice("Polski");
    ASSERT_TRUE(english && polish);
    EXPECT_TRUE(polish->isChecked());

    english->trigger();
    EXPECT_EQ(LanguageInUse(), ::Language::English);
    EXPECT_EQ(StartLanguage(), ::Language::English);
    EXPECT_TRUE(english->isChecked());
    EXPECT_EQ(MainForm->findChild<QMenu*>(QStringLiteral("LanguageMenu"))->title(), QStringLiteral("&Language"));
    EXPECT_EQ(MainForm->Controls().ForwardBtn->toolTip(), QStringLiteral("Forward (key: up arrow)"));
    EXPECT_EQ(MainForm->StatusText(4), QStringLiteral("H = ??")) << "the heading's letter";

    polish->trigger();
    EXPECT_EQ(LanguageInUse(), ::Language::Polish);
    EXPECT_EQ(StartLanguage(), ::Language::Polish);
    EXPECT_EQ(MainForm->Controls().ForwardBtn->toolTip(), QStringLiteral("Naprzód (klawisz: strzałka w górę)"));
    EXPECT_EQ(MainForm->StatusText(4), QStringLiteral("K = ??"));

    // Numbers follow the language, those shown already too.
    english->trigger();
    const double heading = MainForm->Turtle.Heading;
    MainForm->Turtle.Heading = TurtleMotion::kPi;
    MainForm->RefreshStatus();
    EXPECT_EQ(MainForm->StatusText(4), QStringLiteral("H = 180.0"));
    polish->trigger();
    EXPECT_EQ(MainForm->StatusText(4), QStringLiteral("K = 180,0"));
    MainForm->Turtle.Heading = heading;
}

// The words of a page's record follow the language; the record itself keeps only its entries,
// so the same page reads in either.
TEST_F(LanguageSwitch, TheRecordListSaysItsStepsAgainInTheNewLanguage)
{
    RecordListDlg record(MainForm, {});
    record.ShowRecord(SomeRecord());
    record.ShowCurrent(1);
    const QString polish = record.Text();
    ASSERT_EQ(polish.toStdString(),
              std::string("Początek strony, kolor tła: srebrny\nNaprzód 100\nKolor: niebieski\n"));

    UseLanguage(::Language::English);
    EXPECT_EQ(record.Text().toStdString(),
              std::string("Start of the page, background color: silver\nForward 100\nColor: blue\n"));
    const auto* list = record.findChild<QTreeWidget*>();
    EXPECT_EQ(list->indexOfTopLevelItem(list->currentItem()), 1) << "the line being drawn stays marked";
    UseLanguage(::Language::Polish);
    EXPECT_EQ(record.Text(), polish);
}

// Qt's own buttons and dialogs speak the program's language.
TEST_F(LanguageSwitch, QtsOwnTextsFollow)
{
    QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&')), QStringLiteral("Anuluj"));
    UseLanguage(::Language::English);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&')), QStringLiteral("Cancel"));
}
