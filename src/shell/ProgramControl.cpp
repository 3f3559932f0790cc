#include "shell/ProgramControl.h"

#include "dialogs/PageExport.h"
#include "notebook/NotebookDocument.h"
#include "notebook/TurtleWalker.h"
#include "program/ProgramFile.h"
#include "program/ProgramReader.h"
#include "program/ProgramWriter.h"
#include "shell/ExceptionBox.h"
#include "shell/Language.h"
#include "shell/ProgramPane.h"
#include "shell/ProgramSettings.h"
#include "shell/StatusPanels.h"
#include "teach/OwnCommandList.h"
#include "turtle/TurtleSheet.h"
#include "win/WindowTexts.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QIcon>
#include <QMainWindow>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>
#include <QToolBar>

#include <algorithm>

namespace {

const QString kShownKey = QStringLiteral("ProgramPane/Shown");
// How often the mark follows the walk.
constexpr int kFollowMs = 50;
// How long after the last key a marked text is read again.
constexpr int kRecheckMs = 400;

QString ProgramsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace

ProgramControl::ProgramControl(QMainWindow& window, const TurtleSheet& sheet, NotebookDocument& document,
                               TurtleWalker& walker, OwnCommandList& commands)
    : QObject(&window), window_(window), sheet_(sheet), document_(document), walker_(walker), commands_(commands)
{
    CreateActions();
    refresh_.setSingleShot(true);
    refresh_.setInterval(0);
    follow_.setInterval(kFollowMs);
    recheck_.setSingleShot(true);
    recheck_.setInterval(kRecheckMs);
    connect(&recheck_, &QTimer::timeout, this, Guarded([this] { Recheck(); }));
    connect(&refresh_, &QTimer::timeout, this, Guarded([this] { Refresh(); }));
    connect(&follow_, &QTimer::timeout, this, [this] {
        if (walking_ >= 0 && static_cast<std::size_t>(walking_) < offsets_.size())
            pane_->MarkWalked(offsets_[static_cast<std::size_t>(walking_)]);
    });
    // The first entry of a run is the page's start.
    connect(&walker_, &TurtleWalker::EntryStarted, this, [this](int index) {
        if (running_)
            walking_ = index - 1;
    });
}

ProgramControl::~ProgramControl()
{
    qApp->removeEventFilter(this);
}

void ProgramControl::CreateActions()
{
    show_ = new QAction(QIcon(QStringLiteral(":/program.svg")), QString(), &window_);
    show_->setObjectName(QStringLiteral("ProgramMenu"));
    show_->setCheckable(true);
    show_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    run_ = new QAction(&window_);
    run_->setObjectName(QStringLiteral("RunProgramMenu"));
    run_->setShortcut(Qt::Key_F9);
    step_ = new QAction(&window_);
    step_->setObjectName(QStringLiteral("StepProgramMenu"));
    step_->setShortcut(Qt::Key_F8);
    open_ = new QAction(&window_);
    open_->setObjectName(QStringLiteral("OpenProgramMenu"));
    save_ = new QAction(&window_);
    save_->setObjectName(QStringLiteral("SaveProgramMenu"));
    run_->setEnabled(false);
    step_->setEnabled(false);
    connect(show_, &QAction::toggled, this, [this](bool shown) { ShowPane(shown); });
    // Opened by the child, not brought back from the last time: the keys go to the text.
    connect(show_, &QAction::triggered, this, [this](bool shown) {
        if (shown)
            pane_->TakeKeyboard();
    });
    connect(run_, &QAction::triggered, this, Guarded([this] { Run(); }));
    connect(step_, &QAction::triggered, this, Guarded([this] { Step(); }));
    connect(open_, &QAction::triggered, this, Guarded([this] { OpenFile(); }));
    connect(save_, &QAction::triggered, this, Guarded([this] { SaveFile(); }));
}

void ProgramControl::SetTexts()
{
    show_->setText(tr("Pro&gram"));
    show_->setToolTip(tr("Program (Ctrl+T)"));
    show_->setStatusTip(tr("Pokazuje obok żółwia jego program: kroki strony zapisane słowami"));
    run_->setText(tr("Uruc&hom"));
    run_->setToolTip(tr("Uruchom (F9)"));
    run_->setStatusTip(tr("Żółw rysuje stronę od początku według programu"));
    step_->setText(tr("K&rok"));
    step_->setToolTip(tr("Krok (F8)"));
    step_->setStatusTip(tr("Żółw robi następny krok programu i czeka"));
    open_->setText(tr("Otwórz pro&gram…"));
    open_->setStatusTip(tr("Wczytuje program żółwia z pliku tekstowego"));
    save_->setText(tr("Zapisz progra&m…"));
    save_->setStatusTip(tr("Zapisuje program żółwia w pliku tekstowym"));
}

void ProgramControl::Attach(QMenu& notebookMenu, QMenu& editMenu, QToolBar& toolBar, StatusPanels& status)
{
    status_ = &status;
    // Made after the window's own controls, the pane comes last when Tab goes round.
    pane_ = new ProgramPane(window_, *run_, *step_);
    pane_->hide();
    connect(pane_, &ProgramPane::Edited, this, [this](bool mistakeWasMarked) {
        stepping_ = false;
        if (mistakeWasMarked || recheck_.isActive())
            recheck_.start();
    });
    connect(&document_, &NotebookDocument::Changed, this, [this] { RefreshSoon(); });
    connect(&walker_, &TurtleWalker::BusyChanged, this, [this](bool busy) {
        pane_->SetBusy(busy);
        if (!busy && running_)
            RunEnded();
    });
    // A tool chosen is the next line of the program: it shows once the click or key is over.
    qApp->installEventFilter(this);
    win::FollowLanguage(window_, [this] {
        SetTexts();
        RefreshSoon();
    });
    // Before the notebook menu's last part, which ends the program.
    const QList<QAction*> fileActions = notebookMenu.actions();
    QAction* lastPart = fileActions.size() >= 2 ? fileActions[fileActions.size() - 2] : nullptr;
    notebookMenu.insertActions(lastPart, {open_, save_});
    editMenu.addSeparator();
    editMenu.addActions({show_, run_, step_});
    // Beside the teaching button, before the speed's, which ends the tool bar.
    const QList<QAction*> tools = toolBar.actions();
    const auto teach = std::ranges::find_if(tools, [](const QAction* a) { return a->objectName() == QStringLiteral("TeachMenu"); });
    toolBar.insertAction(teach != tools.end() && teach + 1 != tools.end() ? *(teach + 1) : nullptr, show_);
    window_.addDockWidget(Qt::RightDockWidgetArea, pane_);
    show_->setChecked(ProgramSettings().value(kShownKey, false).toBool());
}

void ProgramControl::ShowPane(bool shown)
{
    pane_->setVisible(shown);
    run_->setEnabled(shown);
    step_->setEnabled(shown);
    ProgramSettings().setValue(kShownKey, shown);
    if (shown)
        Refresh();
}

ProgramLanguage ProgramControl::Language() const
{
    return LanguageInUse() == ::Language::Polish ? ProgramLanguage::Polish : ProgramLanguage::English;
}

void ProgramControl::RefreshSoon()
{
    if (pane_->isVisible())
        refresh_.start();
}

void ProgramControl::Refresh()
{
    // The child's own text, a program running or being stepped stay as they are.
    if (!pane_->isVisible() || pane_->Changed() || running_ || stepping_ || walker_.Busy())
        return;
    const Notebook& pages = document_.Pages();
    pane_->ShowText(WritePageProgram(pages.RecordOf(pages.CurrentPage()), sheet_.Turtle(), Language()));
}

bool ProgramControl::ReadText()
{
    const ProgramReading read = ReadProgram(pane_->Text(), commands_.Commands(), Language());
    if (read.Mistake) {
        pane_->MarkMistake(read.Mistake->Offset, read.Mistake->Length, read.Mistake->Sentence);
        Say(read.Mistake->Sentence);
        return false;
    }
    pane_->ClearMarks();
    const QStringList left = commands_.Define(read.Definitions);
    if (!left.isEmpty())
        Say(tr("W rzędzie „Moje polecenia” nie ma już miejsca na: %1.").arg(left.join(QStringLiteral(", "))));
    steps_ = read.Entries;
    offsets_ = read.EntryOffsets;
    return true;
}

void ProgramControl::Recheck()
{
    const ProgramReading read = ReadProgram(pane_->Text(), commands_.Commands(), Language());
    if (read.Mistake) {
        pane_->MarkMistake(read.Mistake->Offset, read.Mistake->Length, read.Mistake->Sentence, false);
        Say(read.Mistake->Sentence);
    }
}

void ProgramControl::Run()
{
    if (walker_.Busy() || !pane_->isVisible() || !ReadText())
        return;
    stepping_ = false;
    running_ = true;
    walking_ = -1;
    if (!document_.RunFromStart(steps_)) {
        running_ = false;
        return;
    }
    if (walker_.Busy())
        follow_.start();
    else
        RunEnded();
}

void ProgramControl::Step()
{
    if (walker_.Busy() || !pane_->isVisible())
        return;
    if (!stepping_) {
        if (!ReadText() || steps_.empty())
            return;
        stepping_ = true;
        nextStep_ = 0;
        pane_->SetChanged(false);
    }
    const std::size_t step = nextStep_++;
    const bool started = step == 0 ? document_.RunFromStart({steps_[step]}) : document_.Do(steps_[step]);
    pane_->MarkWalked(offsets_[step]);
    // After the last step the pane shows the record again, in the program's words.
    if (!started || nextStep_ == steps_.size())
        stepping_ = false;
}

void ProgramControl::RunEnded()
{
    running_ = false;
    walking_ = -1;
    follow_.stop();
    pane_->ClearMarks();
    pane_->SetChanged(false);
    RefreshSoon();
}

void ProgramControl::Say(const QString& text)
{
    if (status_)
        status_->ShowNotice(text);
}

void ProgramControl::OpenFile()
{
    QFileDialog dialog(&window_, tr("Otwórz program"), ProgramsFolder(), tr("Program żółwia (*.txt)"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const ProgramFileText file = ReadProgramFile(dialog.selectedFiles().constFirst());
    if (!file.Problem.isEmpty()) {
        Say(file.Problem);
        return;
    }
    show_->setChecked(true);
    stepping_ = false;
    pane_->PutText(file.Text);
    // Read at once, so that its mistakes show before it runs.
    const ProgramReading read = ReadProgram(file.Text, commands_.Commands(), Language());
    if (read.Mistake) {
        pane_->MarkMistake(read.Mistake->Offset, read.Mistake->Length, read.Mistake->Sentence);
        Say(read.Mistake->Sentence);
    }
}

void ProgramControl::SaveFile()
{
    Refresh();
    const QString path = AskSharedPath(&window_, tr("Zapisz program"), tr("Program żółwia (*.txt)"),
                                       QDir(ProgramsFolder()).filePath(tr("Program.txt")));
    if (path.isEmpty())
        return;
    const QString problem = WriteProgramFile(path, pane_->Text());
    Say(problem.isEmpty() ? tr("Program zapisano w pliku %1.").arg(QDir::toNativeSeparators(path)) : problem);
}

bool ProgramControl::eventFilter(QObject* watched, QEvent* event)
{
    if ((event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::KeyRelease) && pane_ && pane_->isVisible())
        RefreshSoon();
    return QObject::eventFilter(watched, event);
}
