#include "dialogs/PosDlg.h"
#include "fakes/ManualClock.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "storage/NotebookFolder.h"
#include "storage/NotebookWriter.h"
#include "dialogs/OpenDlg.h"
#include "dialogs/SaveDlg.h"
#include "shell/Application.h"
#include "shell/MainForm.h"
#include "shell/RunProgram.h"
#include "ui_MainForm.h"
#include "win/KeyState.h"
#include "win/MessagePump.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <functional>

namespace {

constexpr std::uint8_t kBlue = 12;
constexpr std::uint8_t kWhite = 15;
const QString kSaveQuestion = QString::fromUtf8("Rysunki w zeszycie zostały zmienione. Czy chcesz je zachować?");

using DialogStep = std::function<void(QDialog&)>;

// Answers the modal dialogs as they show, one after the other, each with the next step; a
// dialog beyond the script is cancelled and counted.
class DialogScript {
public:
    explicit DialogScript(std::deque<DialogStep> steps) : steps_(std::move(steps))
    {
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            if (answering_)
                return; // the last answer has not closed its dialog yet
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible() || !QTest::qWaitForWindowExposed(dialog))
                return;
            // A dialog may show again at once, so its end, not its hiding, ends the answer.
            answering_ = true;
            QObject::connect(dialog, &QDialog::finished, &poll_, [this] { answering_ = false; }, Qt::SingleShotConnection);
            shown.push_back(dialog);
            if (steps_.empty()) {
                dialog->reject();
                return;
            }
            const DialogStep step = std::move(steps_.front());
            steps_.pop_front();
            step(*dialog);
        });
        poll_.start(1);
    }
    std::vector<QDialog*> shown;

private:
    std::deque<DialogStep> steps_;
    bool answering_ = false;
    QTimer poll_;
};

// Types a name into the dialog's name edit, as a child would, and presses Enter.
DialogStep TypeName(const QString& name)
{
    return [name](QDialog& dialog) {
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("FileName"));
        ASSERT_NE(edit, nullptr);
        edit->selectAll();
        for (const QChar c : name) // key by key, Polish letters too
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::keyClick(edit, Qt::Key_Return);
    };
}

DialogStep Cancel()
{
    return [](QDialog& dialog) { dialog.reject(); };
}

// Notes what the name edit shows and what of it is selected, then cancels.
DialogStep LookAndCancel(QString& shown, QString& selected)
{
    return [&shown, &selected](QDialog& dialog) {
        const auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("FileName"));
        ASSERT_NE(edit, nullptr);
        // The name is selected for good once the dialog is active.
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        shown = edit->text();
        selected = edit->selectedText();
        dialog.reject();
    };
}

class NotebookWindowTest : public ::testing::Test {
protected:
    NotebookWindowTest()
    {
        qputenv("QEL3D_NOTEBOOKS", folder.path().toUtf8());
        form.StartTimer.stop();
        windows.ShowMainWindow();
        form.ResetWorkspace();
        form.Sheet.UpdateFloor();
    }
    ~NotebookWindowTest() override { qunsetenv("QEL3D_NOTEBOOKS"); }

    Ui::TMainForm& ui() { return form.Controls(); }
    QStringList Files() const { return QDir(folder.path()).entryList(QDir::Files, QDir::Name); }
    std::vector<std::uint8_t> Floor() const
    {
        return {form.Sheet.FloorBits(), form.Sheet.FloorBits() + kSheetBytes};
    }

    // Opens the notebook menu on the menu bar and clicks the item, with the mouse.
    void ChooseFromNotebookMenu(QAction* item)
    {
        QMenuBar* bar = ui().MainMenu;
        QMenu* menu = ui().SheetMenu;
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
        ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    }

    // Lets the application take the quit request a close leaves behind.
    static void TakeQuitRequest()
    {
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
        // The pump still holds that request for its next caller: the next test's main loop.
        win::PumpMessages();
    }

    QTemporaryDir folder;
    ScriptedMessageBoxes boxes;
    ApplicationWindows windows;
    TMainForm& form = *MainForm;
};

// Picks the notebook of that name in the open dialog's list: a click fills the name, a double
// click opens it.
DialogStep PickInList(const QString& name)
{
    return [name](QDialog& dialog) {
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("NotebookList"));
        ASSERT_NE(list, nullptr);
        const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        const QPoint at = list->visualItemRect(found[0]).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        EXPECT_EQ(static_cast<TOpenDlg&>(dialog).FileName(), name);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    };
}

TEST_F(NotebookWindowTest, TheDrawingIsKeptThroughTheRealMenusAndDialogs)
{
    ManualClock clock;
    clock.StepEveryReading(5);
    int step = 0;
    std::vector<std::uint8_t> drawn;
    RunProgram(form, [&] {
        if (!form.LoopRunning())
            return false;
        if (step == 0) {
            QTest::mouseClick(ui().ForwardBtn, Qt::LeftButton);
            step = 1;
            return false;
        }
        if (form.Walker.Busy())
            return false;
        EXPECT_TRUE(form.Document.Modified()) << "a drawn line is a change";
        EXPECT_EQ(form.StatusText(0), "Zeszyt bez nazwy *");
        drawn = Floor();
        EXPECT_EQ(drawn[60 * kSheetSize + 127], kBlue);

        {
            DialogScript save({TypeName(QStringLiteral("DOM"))});
            ChooseFromNotebookMenu(ui().SaveMenu);
            EXPECT_EQ(save.shown.size(), 1u);
        }
        EXPECT_EQ(Files(), QStringList({"DOM.qel3d", "DOM1.bmp"}));
        EXPECT_FALSE(form.Document.Modified());
        // The news takes the notebook's panel for a moment; the turtle's panels stay in view.
        EXPECT_EQ(form.StatusText(0), QString::fromUtf8("Zeszyt DOM został zapisany."));
        for (const QLabel* panel : ui().MainStatusBar->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
            EXPECT_TRUE(panel->isVisible()) << panel->text().toStdString();
        EXPECT_TRUE(QTest::qWaitFor([this] { return form.StatusText(0) == "Zeszyt: DOM"; }, 5000));

        ChooseFromNotebookMenu(ui().NewMenu);
        EXPECT_EQ(Floor()[60 * kSheetSize + 127], kWhite);
        EXPECT_EQ(form.StatusText(0), "");

        {
            DialogScript open({PickInList(QStringLiteral("DOM"))});
            ChooseFromNotebookMenu(ui().OpenMenu);
            EXPECT_EQ(open.shown.size(), 1u);
        }
        EXPECT_TRUE(Floor() == drawn) << "the drawing is back on the floor";
        EXPECT_EQ(form.Sheet.Sheet().At(127, 60), kBlue);
        EXPECT_NEAR(form.Turtle.Y, 100.0, 1e-9);
        EXPECT_EQ(form.StatusText(0), "Zeszyt: DOM");
        EXPECT_FALSE(form.Document.Name().isEmpty());
        return true;
    });
    EXPECT_FALSE(form.LoopRunning());
    EXPECT_TRUE(boxes.Shown().empty()) << "a kept notebook closes without a question";
    TakeQuitRequest();
}

TEST_F(NotebookWindowTest, TheNotebookMenuOffersEveryCommandWithItsKeysAndHints)
{
    const struct {
        QAction* item;
        const char* text;
        const char* keys;
    } items[] = {
        {ui().NewMenu, "&Nowy", "Ctrl+N"},          {ui().OpenMenu, "&Otwórz…", "Ctrl+O"},
        {ui().SaveMenu, "&Zapisz", "Ctrl+S"},       {ui().SaveAsMenu, "Zapisz &jako…", "Ctrl+Shift+S"},
        {ui().PrintMenu, "&Drukuj…", "Ctrl+P"},   {ui().SavePictureMenu, "Zapisz stronę jako o&braz…", "Ctrl+E"},
        {ui().SaveAnimationMenu, "Zapisz animację &rysowania…", "Ctrl+Shift+E"},
    };
    const QList<QAction*> shown = ui().SheetMenu->actions();
    // The program's own file items come before the end.
    ASSERT_EQ(shown.size(), 11);
    EXPECT_EQ(shown[7]->objectName(), QStringLiteral("OpenProgramMenu"));
    EXPECT_EQ(shown[8]->objectName(), QStringLiteral("SaveProgramMenu"));
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(shown[i], items[i].item);
        EXPECT_EQ(items[i].item->text(), QString::fromUtf8(items[i].text));
        EXPECT_EQ(items[i].item->shortcut(), QKeySequence(QString::fromUtf8(items[i].keys)));
        EXPECT_FALSE(items[i].item->statusTip().isEmpty());
    }
    EXPECT_TRUE(shown[9]->isSeparator());
    EXPECT_EQ(shown[10], ui().ExitMenu);
}

TEST_F(NotebookWindowTest, EveryChangeOfContentMarksTheNotebookAndPagingDoesNot)
{
    const auto clickWithShift = [this] {
        const QPoint p{4 * 16 + 8, 6};
        QCursor::setPos(ui().ColorImage->mapToGlobal(p));
        QTest::mouseClick(ui().ColorImage, Qt::LeftButton, Qt::ShiftModifier, p);
    };
    const auto moveTurtleInItsDialog = [this] {
        DialogScript moveTo({[](QDialog& dialog) {
            static_cast<TPosDlg&>(dialog).SetXText(QStringLiteral("40"));
            dialog.accept();
        }});
        ui().PosMenu->trigger();
    };
    const auto confirmTurtleDialog = [this] {
        DialogScript cancel({Cancel()});
        ui().PosMenu->trigger();
    };
    const struct {
        const char* what;
        std::function<void()> act;
        bool changes;
    } actions[] = {
        {"fill", [this] { QTest::mouseClick(ui().FillBtn, Qt::LeftButton); }, true},
        {"clear", [this] { QTest::mouseClick(ui().ClearBtn, Qt::LeftButton); }, true},
        {"background colour", clickWithShift, true},
        {"turtle dialog moving the turtle", moveTurtleInItsDialog, true},
        {"turtle dialog cancelled", confirmTurtleDialog, false},
        {"new page", [this] { QTest::mouseClick(ui().NewPageBtn, Qt::LeftButton); }, true},
        {"previous page", [this] { QTest::mouseClick(ui().PrevPageBtn, Qt::LeftButton); }, false},
        {"next page", [this] { QTest::mouseClick(ui().NextPageBtn, Qt::LeftButton); }, false},
        {"delete page", [this] { QTest::mouseClick(ui().DelPageBtn, Qt::LeftButton); }, true},
    };
    const win::KeyStateOverride noShift(false);
    {
        DialogScript name({TypeName(QStringLiteral("DOM"))});
        ui().SaveAsMenu->trigger();
    }
    for (const auto& action : actions) {
        ui().SaveMenu->trigger();
        ASSERT_FALSE(form.Document.Modified());
        action.act();
        EXPECT_EQ(form.Document.Modified(), action.changes) << action.what;
    }
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(NotebookWindowTest, ClosingAsksToSaveAndAnExistingNotebookIsReplacedOnlyWhenTheUserSays)
{
    ASSERT_EQ(NotebookWriter().Save(folder.path(), QStringLiteral("ZESZYT1"), form.Document.Pages().Contents()).Fault, NotebookFault::None);
    // A file of the bare name in the current folder is no notebook.
    QTemporaryDir elsewhere;
    const QString programFolder = QDir::currentPath();
    QFile(elsewhere.filePath(QStringLiteral("NOWY"))).open(QIODevice::WriteOnly);
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    QTest::mouseClick(ui().NewPageBtn, Qt::LeftButton);

    boxes.Then(win::IDCANCEL);
    EXPECT_FALSE(form.close());
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, kSaveQuestion);
    EXPECT_EQ(boxes.Shown()[0].style, 0x23u);
    EXPECT_TRUE(form.DXCore.Running) << "the loop goes on";

    // Yes, then Cancel in the name dialog: still open, nothing changed.
    boxes.Then(win::IDYES);
    {
        DialogScript names({Cancel()});
        EXPECT_FALSE(form.close());
        EXPECT_EQ(names.shown, std::vector<QDialog*>{SaveDlg});
    }
    EXPECT_TRUE(form.Document.Modified());
    EXPECT_TRUE(form.Document.Name().isEmpty());

    // Yes, an existing notebook, refuse to replace it, the same name again, replace: closes.
    boxes.Then(win::IDYES);
    boxes.Then(win::IDNO);
    boxes.Then(win::IDYES);
    QString shownAgain;
    bool closed = false;
    {
        DialogScript names({TypeName(QStringLiteral("ZESZYT1")), [&](QDialog& dialog) {
                                shownAgain = SaveDlg->FileName();
                                dialog.accept();
                            }});
        closed = form.close();
    }
    EXPECT_TRUE(closed);
    EXPECT_EQ(shownAgain, "ZESZYT1") << "the dialog shows the name again";
    EXPECT_EQ(boxes.Shown().back().text, QString::fromUtf8("Zeszyt o nazwie ZESZYT1 istnieje. Czy chcesz go zastapić?"));
    EXPECT_FALSE(form.Document.Modified());
    EXPECT_FALSE(form.Document.Name().isEmpty());
    EXPECT_EQ(Files(), QStringList({"ZESZYT1.qel3d", "ZESZYT11.bmp", "ZESZYT12.bmp"})) << "the two pages were written";
    TakeQuitRequest();

    // A name free in the folder is saved without a question, whatever the current folder holds.
    const std::size_t before = boxes.Shown().size();
    {
        DialogScript names({TypeName(QStringLiteral("NOWY"))});
        ui().SaveAsMenu->trigger();
    }
    EXPECT_EQ(boxes.Shown().size(), before);
    EXPECT_TRUE(Files().contains("NOWY.qel3d"));
    QDir::setCurrent(programFolder);
}

TEST_F(NotebookWindowTest, NamesThatCannotBeFileNamesAreRefusedAndTheDialogComesBack)
{
    {
        DialogScript names({TypeName(QStringLiteral("a/b")), TypeName(QStringLiteral("   ")),
                            TypeName(QStringLiteral("..")), TypeName(QString::fromUtf8(" Żółw i kot "))});
        ui().SaveAsMenu->trigger();
        EXPECT_EQ(names.shown.size(), 4u);
    }
    ASSERT_EQ(boxes.Shown().size(), 3u);
    for (const auto& box : boxes.Shown()) {
        EXPECT_EQ(box.caption, "QEL 3D");
        EXPECT_EQ(box.style, win::MB_OK | win::MB_ICONEXCLAMATION);
        EXPECT_TRUE(box.text.startsWith(QString::fromUtf8("Zeszyt nie może mieć takiej nazwy.")));
    }
    EXPECT_EQ(form.Document.Name(), QString::fromUtf8("Żółw i kot")) << "taken without the spaces around it";
    EXPECT_TRUE(Files().contains(QString::fromUtf8("Żółw i kot1.bmp")));

    // The open dialog refuses the same way, and a cancel there changes nothing.
    {
        DialogScript names({TypeName(QStringLiteral("../DOM")), Cancel()});
        ui().OpenMenu->trigger();
        EXPECT_EQ(names.shown.size(), 2u);
    }
    EXPECT_EQ(boxes.Shown().size(), 4u);
    EXPECT_EQ(form.Document.Name(), QString::fromUtf8("Żółw i kot"));

    // Each dialog comes back with its own text selected: opening with what was typed there last,
    // saving with the notebook's name.
    const struct {
        QAction* item;
        QString text;
    } showings[] = {{ui().OpenMenu, QStringLiteral("../DOM")}, {ui().SaveAsMenu, QString::fromUtf8("Żółw i kot")}};
    for (const auto& showing : showings) {
        QString shown, selected;
        {
            DialogScript look({LookAndCancel(shown, selected)});
            showing.item->trigger();
        }
        EXPECT_EQ(shown, showing.text);
        EXPECT_EQ(selected, showing.text);
    }
}

TEST_F(NotebookWindowTest, AFailedSaveIsReportedWithTheFolderAndKeepsTheWindowOpen)
{
    QFile blocker(folder.filePath(QStringLiteral("zajęte")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    const QString unwritable = folder.filePath(QStringLiteral("zajęte/KARTKI"));
    qputenv("QEL3D_NOTEBOOKS", unwritable.toUtf8());
    QTest::mouseClick(ui().FillBtn, Qt::LeftButton);

    boxes.Then(win::IDYES);
    {
        DialogScript names({TypeName(QStringLiteral("DOM"))});
        EXPECT_FALSE(form.close());
    }
    ASSERT_EQ(boxes.Shown().size(), 2u);
    EXPECT_TRUE(boxes.Shown()[1].text.contains(unwritable)) << boxes.Shown()[1].text.toStdString();
    EXPECT_EQ(boxes.Shown()[1].style, win::MB_OK | win::MB_ICONEXCLAMATION);
    EXPECT_TRUE(form.Document.Modified());
    EXPECT_TRUE(form.Document.Name().isEmpty());
    EXPECT_EQ(form.Document.Name(), "") << "the name was not taken";
    EXPECT_EQ(form.StatusText(0), "Zeszyt bez nazwy *");
}

using Spoil = std::function<void(const QString& folder)>;

class SpoiltNotebookWindow : public NotebookWindowTest, public ::testing::WithParamInterface<Spoil> {};

TEST_P(SpoiltNotebookWindow, OpeningItLeavesTheLiveNotebookAsItWas)
{
    // The live notebook, saved as DOM, then drawn on; a second notebook ZLY, then spoilt.
    {
        DialogScript names({TypeName(QStringLiteral("DOM"))});
        ui().SaveAsMenu->trigger();
    }
    ASSERT_EQ(NotebookWriter().Save(folder.path(), QStringLiteral("ZLY"), form.Document.Pages().Contents()).Fault, NotebookFault::None);
    GetParam()(folder.path());
    QTest::mouseClick(ui().NewPageBtn, Qt::LeftButton);
    QTest::mouseClick(ui().FillBtn, Qt::LeftButton);
    form.Turtle.X = 17;
    const std::vector<std::uint8_t> floor = Floor();
    const TTurtleState turtle = form.Turtle;

    boxes.Then(win::IDNO); // the changes need not be kept
    {
        DialogScript names({TypeName(QStringLiteral("ZLY"))});
        EXPECT_NE(form.Document.Open(), win::IDOK);
    }
    ASSERT_EQ(boxes.Shown().size(), 2u);
    EXPECT_EQ(boxes.Shown()[1].style, win::MB_OK | win::MB_ICONEXCLAMATION);
    EXPECT_TRUE(boxes.Shown()[1].text.contains("ZLY"));
    EXPECT_TRUE(Floor() == floor);
    EXPECT_TRUE(form.Turtle == turtle);
    EXPECT_EQ(form.Document.Pages().PageCount(), 2);
    EXPECT_EQ(form.Document.Pages().CurrentPage(), 1);
    EXPECT_EQ(form.Document.Name(), "DOM") << "the notebook keeps its own name";
    EXPECT_EQ(form.StatusText(0), "Zeszyt: DOM *") << "still unsaved";
    EXPECT_FALSE(form.Document.Name().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, SpoiltNotebookWindow,
    // A lost page no longer keeps a notebook shut: only an index that cannot be read does.
    ::testing::Values([](const QString& f) {
                          QFile index(IndexPath(f, "ZLY"));
                          index.open(QIODevice::ReadWrite);
                          index.resize(index.size() / 2);
                      },
                      [](const QString& f) { QFile::remove(IndexPath(f, "ZLY")); }));

} // namespace
