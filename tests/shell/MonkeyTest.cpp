// The real main window driven by a seeded stream of random actions: clicks on every control,
// drags in the view, keys, menus, dialogs filled in at random and answered, message boxes
// answered at random. After every action, once the turtle stands still, the window must still
// make sense. The suite runs a short stream; a long one is run by hand:
//   cd build/bin && QEL_MONKEY_SEED=7 QEL_MONKEY_ACTIONS=5000 ../../scripts/own-display.sh ../tests/shell/monkey_test
#include "fakes/ManualClock.h"
#include "shell/Application.h"
#include "shell/RunProgram.h"
#include "storage/NotebookReader.h"
#include "ui_MainForm.h"
#include "win/MessageBox.h"
#include "win/MessagePump.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPrintDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <deque>
#include <functional>
#include <random>
#include <vector>

namespace {

int Setting(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

using Random = std::mt19937;

int Pick(Random& random, int count)
{
    return std::uniform_int_distribution<int>(0, count - 1)(random);
}

template <class T>
const T& PickOf(Random& random, const std::vector<T>& items)
{
    return items[static_cast<std::size_t>(Pick(random, static_cast<int>(items.size())))];
}

QPoint SomewhereIn(Random& random, const QWidget& widget)
{
    return {Pick(random, std::max(1, widget.width())), Pick(random, std::max(1, widget.height()))};
}

// Answers every message box with one of its own buttons, at random; once told to settle, with
// "Nie" or the box's first button, so that the window can be closed without a question left.
class RandomAnswers final : public win::MessageBoxAnswerer {
public:
    explicit RandomAnswers(Random& random) : random_(random) { win::SetMessageBoxAnswerer(this); }
    ~RandomAnswers() override { win::SetMessageBoxAnswerer(nullptr); }
    RandomAnswers(const RandomAnswers&) = delete;
    RandomAnswers& operator=(const RandomAnswers&) = delete;

    void Settle() { settled_ = true; }

    int Answer(const win::MessageBoxRequest& request) override
    {
        const std::vector<int> answers = win::AnswersOf(request.style);
        if (!settled_)
            return PickOf(random_, answers);
        return std::find(answers.begin(), answers.end(), win::IDNO) != answers.end() ? win::IDNO : answers.front();
    }

private:
    Random& random_;
    bool settled_ = false;
};

// Files a child might pick as a background: a picture, a cut one, a text, a folder.
class PickableFiles {
public:
    PickableFiles()
    {
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        picture.save(Path("obraz.bmp"));
        QFile whole(Path("obraz.bmp"));
        whole.open(QIODevice::ReadOnly);
        const QByteArray bytes = whole.readAll();
        Write("urwany.bmp", bytes.left(bytes.size() / 2));
        Write("tekst.bmp", "to nie jest obrazek");
    }
    std::vector<QString> Names() const
    {
        return {Path("obraz.bmp"), Path("urwany.bmp"), Path("tekst.bmp"), folder_.path(), Path("brak.bmp")};
    }

private:
    QString Path(const char* name) const { return folder_.filePath(QString::fromUtf8(name)); }
    void Write(const char* name, const QByteArray& bytes) const
    {
        QFile file(Path(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }
    QTemporaryDir folder_;
};

// What the monkey types into a dialog's fields: numbers huge and odd, names a file may not have,
// Polish letters, and the paths of the pickable files.
std::vector<QString> TypedTexts(const PickableFiles& files)
{
    std::vector<QString> texts{"", "0", "-7", "100", "1e300", "nan", "abc", "Żółw",
                               "/", "..", " DOM ", "ZESZYT", "K1", "12345678"};
    for (const QString& name : files.Names())
        texts.push_back(name);
    return texts;
}

// Fills in whatever modal dialog is open, at random, and presses one of its buttons. A dialog
// that stays open after a few tries is cancelled, so every dialog ends.
class DialogMonkey {
public:
    DialogMonkey(Random& random, std::vector<QString> texts) : random_(random), texts_(std::move(texts))
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Play(); });
        timer_.start(15);
    }
    int Answered() const { return answered_; }

private:
    void Play()
    {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        if (dialog != current_) {
            current_ = dialog;
            tries_ = 0;
        }
        ++answered_;
        // Nothing is printed, and a dialog that would not end is cancelled.
        if (qobject_cast<QPrintDialog*>(dialog) || ++tries_ > 4) {
            dialog->reject();
            return;
        }
        FillIn(*dialog);
        std::vector<QPushButton*> buttons;
        for (QPushButton* button : dialog->findChildren<QPushButton*>())
            if (button->isVisibleTo(dialog) && button->isEnabled())
                buttons.push_back(button);
        if (buttons.empty() || Pick(random_, 4) == 0)
            dialog->reject();
        else
            PickOf(random_, buttons)->click();
    }

    void FillIn(QDialog& dialog)
    {
        for (QLineEdit* edit : dialog.findChildren<QLineEdit*>())
            if (edit->isEnabled() && Pick(random_, 2) == 0)
                edit->setText(PickOf(random_, texts_));
        for (QSpinBox* spin : dialog.findChildren<QSpinBox*>())
            if (Pick(random_, 2) == 0)
                spin->setValue(std::uniform_int_distribution<int>(spin->minimum(), spin->maximum())(random_));
        for (QComboBox* combo : dialog.findChildren<QComboBox*>())
            if (combo->count() > 0 && Pick(random_, 2) == 0)
                combo->setCurrentIndex(Pick(random_, combo->count()));
        for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
            if (button->isCheckable() && button->isEnabled() && Pick(random_, 3) == 0)
                button->click();
        for (QListView* list : dialog.findChildren<QListView*>()) {
            const int rows = list->model() ? list->model()->rowCount(list->rootIndex()) : 0;
            if (rows > 0 && Pick(random_, 2) == 0)
                list->setCurrentIndex(list->model()->index(Pick(random_, rows), 0, list->rootIndex()));
        }
        // Pictures to pick from, as the character's shapes.
        for (QLabel* picture : dialog.findChildren<QLabel*>())
            if (!picture->pixmap().isNull() && Pick(random_, 3) == 0)
                QTest::mouseClick(picture, Qt::LeftButton, {}, SomewhereIn(random_, *picture));
    }

    Random& random_;
    std::vector<QString> texts_;
    QTimer timer_;
    QDialog* current_ = nullptr;
    int tries_ = 0;
    int answered_ = 0;
};

class MonkeyTest : public ::testing::Test {
protected:
    MonkeyTest() : random(static_cast<Random::result_type>(seed)), answers(random)
    {
        qputenv("QEL3D_NOTEBOOKS", notebooks.path().toUtf8());
        clock.StepEveryReading(40);
        form.StartTimer.stop();
        windows.ShowMainWindow();
    }
    ~MonkeyTest() override { qunsetenv("QEL3D_NOTEBOOKS"); }

    Ui::TMainForm& ui() { return form.Controls(); }
    bool CommandRunning() const { return form.DXAnimation.Play; }

    // One action a child might take, as steps the loop runs between.
    void ChooseAction()
    {
        switch (Pick(random, 10)) {
        case 0:
        case 1:
        case 2: return ClickToolButton();
        case 3: return ClickTrackBar();
        case 4: return ClickPicture(*ui().ColorImage, true);
        case 5: return ClickPicture(*ui().WidthImage, false);
        case 6:
        case 7: return ChooseMenu();
        case 8: return DragInView();
        default: return PressKeys();
        }
    }

    void ClickToolButton()
    {
        QWidget* button = PickOf(random, std::vector<QWidget*>{
            ui().ForwardBtn, ui().BackwardBtn, ui().RightBtn, ui().LeftBtn, ui().CircleBtn, ui().SquareBtn,
            ui().ClearBtn, ui().FillBtn, ui().HomeBtn, ui().PenBtn, ui().ShowBtn, ui().ShapeBtn,
            ui().NewPageBtn, ui().DelPageBtn, ui().PrevPageBtn, ui().NextPageBtn});
        steps.push_back([this, button] { QTest::mouseClick(button, Qt::LeftButton); });
    }

    void ClickTrackBar()
    {
        QWidget* track = PickOf(random, std::vector<QWidget*>{ui().ForwardTrack, ui().BackwardTrack,
                                                              ui().RightTrack, ui().LeftTrack,
                                                              ui().CircleTrack, ui().SquareTrack});
        const QPoint at = SomewhereIn(random, *track);
        steps.push_back([track, at] { QTest::mouseClick(track, Qt::LeftButton, {}, at); });
    }

    void ClickPicture(QWidget& picture, bool withShift)
    {
        const Qt::MouseButton button = Pick(random, 2) ? Qt::LeftButton : Qt::RightButton;
        const Qt::KeyboardModifiers modifiers = withShift && Pick(random, 3) == 0 ? Qt::ShiftModifier
                                                                                  : Qt::NoModifier;
        const QPoint at = SomewhereIn(random, picture);
        steps.push_back([&picture, button, modifiers, at] { QTest::mouseClick(&picture, button, modifiers, at); });
    }

    // Every item of the menus but the end of the program.
    void ChooseMenu()
    {
        QAction* action = PickOf(random, std::vector<QAction*>{
            ui().NewMenu, ui().OpenMenu, ui().SaveMenu, ui().SaveAsMenu, ui().PrintMenu, ui().UndoMenu,
            ui().RedoMenu, ui().SetBGMenu, ui().PenMenu, ui().PosMenu, ui().ScreenMenu, ui().DisplayMenu,
            ui().ContHelpMenu, ui().TutorMenu, ui().AboutMenu});
        steps.push_back([this, action] {
            action->trigger();
            if (action == ui().NewMenu)
                NoteEmptyNotebook();
        });
    }

    // A drag with either button: the camera turns or moves nearer and farther.
    void DragInView()
    {
        QWidget* view = ui().DXViewport;
        const Qt::MouseButton button = Pick(random, 2) ? Qt::LeftButton : Qt::RightButton;
        const QPoint start = SomewhereIn(random, *view);
        steps.push_back([view, button, start] {
            QCursor::setPos(view->mapToGlobal(start));
            QTest::mousePress(view->window()->windowHandle(), button, {}, view->mapTo(view->window(), start));
        });
        QPoint at = start;
        for (int move = Pick(random, 6); move >= 0; --move) {
            at += QPoint(Pick(random, 401) - 200, Pick(random, 401) - 200);
            steps.push_back([view, at] { QCursor::setPos(view->mapToGlobal(at)); });
        }
        // The button comes up where the drag began: the pointer may have left the window.
        steps.push_back([view, button, start] {
            QTest::mouseRelease(view->window()->windowHandle(), button, {}, view->mapTo(view->window(), start));
        });
    }

    void PressKeys()
    {
        struct Keys {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
        };
        const Keys keys = PickOf(random, std::vector<Keys>{{Qt::Key_Escape, {}},
                                                           {Qt::Key_Z, Qt::ControlModifier},
                                                           {Qt::Key_Y, Qt::ControlModifier},
                                                           {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier},
                                                           {Qt::Key_Left, {}},
                                                           {Qt::Key_Right, {}},
                                                           {Qt::Key_Tab, {}},
                                                           {Qt::Key_Space, {}}});
        // Esc is read as a held key, so it stays down for a few passes. Space on the tool bar's
        // end of the program, which Tab may reach, is left out as the menus leave it out.
        steps.push_back([this, keys] {
            const auto* button = qobject_cast<const QToolButton*>(QApplication::focusWidget());
            if (keys.key == Qt::Key_Space && button && button->defaultAction() == ui().ToolButton7)
                form.setFocus(Qt::OtherFocusReason);
            QTest::keyPress(form.windowHandle(), keys.key, keys.modifiers);
        });
        steps.push_back([] {});
        steps.push_back([this, keys] { QTest::keyRelease(form.windowHandle(), keys.key, keys.modifiers); });
    }

    void ExpectSound(int action)
    {
        SCOPED_TRACE("after action " + std::to_string(action) + " of seed " + std::to_string(seed));
        ASSERT_GE(form.Document.Pages().PageCount(), 1);
        ASSERT_LE(form.Document.Pages().PageCount(), 8);
        ASSERT_GE(form.Document.Pages().CurrentPage(), 0);
        ASSERT_LT(form.Document.Pages().CurrentPage(), form.Document.Pages().PageCount());
        ASSERT_TRUE(std::isfinite(form.Turtle.X) && std::isfinite(form.Turtle.Y) &&
                    std::isfinite(form.Turtle.Heading));
        ASSERT_TRUE(form.isEnabled()) << "the window stays locked with no command running";
        ExpectModifiedTellsTheTruth();
    }

    // Unsaved changes are exactly a difference from the notebook last saved or opened: the one
    // on disk under its name. Without a name, a difference from the empty notebook the program
    // started with or the last Nowy began: a drawing taken back by hand leaves nothing to ask.
    void ExpectModifiedTellsTheTruth()
    {
        const Notebook& pages = form.Document.Pages();
        if (form.Document.Name().isEmpty()) {
            ASSERT_EQ(form.Document.Modified(), !pages.SameDrawings(empty))
                << "changes that would be lost without a question, or a question with nothing to save";
            return;
        }
        const NotebookReading kept = ReadNotebook(notebooks.path(), form.Document.Name());
        ASSERT_EQ(kept.Fault, NotebookFault::None);
        ASSERT_EQ(form.Document.Modified(), !pages.SameDrawings(kept.Content));
    }

    // A Nowy that went through leaves one empty page without a name and nothing to take back.
    void NoteEmptyNotebook()
    {
        if (form.Document.Name().isEmpty() && !form.Document.CanUndo() && !form.Document.CanRedo())
            empty = form.Document.Pages().Contents();
    }

    const int seed = Setting("QEL_MONKEY_SEED", 20261207);
    const int actions = Setting("QEL_MONKEY_ACTIONS", 120);
    QTemporaryDir notebooks;
    Random random;
    ManualClock clock;
    RandomAnswers answers;
    PickableFiles files;
    DialogMonkey dialogs{random, TypedTexts(files)};
    ApplicationWindows windows;
    TMainForm& form = *MainForm;
    std::deque<std::function<void()>> steps;
    NotebookContent empty;
};

TEST_F(MonkeyTest, RandomActionsLeaveTheWindowSound)
{
    std::printf("monkey: seed %d, %d actions\n", seed, actions);
    std::fflush(stdout);
    int done = 0;
    int passesOfCommand = 0;
    RunProgram(
        form,
        [&] {
            if (!form.LoopRunning() || QApplication::activeModalWidget())
                return false;
            if (!form.isActiveWindow())
                form.activateWindow();
            if (!steps.empty()) {
                const std::function<void()> step = std::move(steps.front());
                steps.pop_front();
                step();
                return false;
            }
            // A long command is stopped the way a child would stop it.
            if (CommandRunning()) {
                if (++passesOfCommand == 2000)
                    PressKeys();
                return false;
            }
            passesOfCommand = 0;
            if (done == 0)
                empty = form.Document.Pages().Contents();
            if (done > 0) {
                ExpectSound(done);
                if (::testing::Test::HasFatalFailure())
                    return true;
            }
            if (done == actions) {
                // A lesson the keys may have begun is ended as its Anuluj ends it: closing
                // during one asks first, and the settled answer keeps the window open.
                form.Teach.Cancel();
                answers.Settle();
                return true;
            }
            if (++done % 100 == 0) {
                std::printf("monkey: %d actions\n", done);
                std::fflush(stdout);
            }
            ChooseAction();
            return false;
        },
        600000);
    EXPECT_EQ(done, actions);
    std::printf("monkey: %d dialog answers\n", dialogs.Answered());
    // The closed window's quit request is taken here.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    win::PumpMessages();
}

} // namespace
