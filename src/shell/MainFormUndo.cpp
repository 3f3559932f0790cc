#include "shell/MainForm.h"

#include "engine/EngineError.h"
#include "shell/ExceptionBox.h"
#include "ui_MainForm.h"

#include <QKeySequence>
#include <QTimer>

void TMainForm::ConnectUndoHandlers()
{
    ui->UndoMenu->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    ui->RedoMenu->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(ui->UndoMenu, &QAction::triggered, this, Guarded([this] { UndoBtnClick(); }));
    connect(ui->UndoBtn, &QAction::triggered, this, Guarded([this] { UndoBtnClick(); }));
    connect(ui->RedoMenu, &QAction::triggered, this, Guarded([this] { RedoBtnClick(); }));
    connect(ui->RedoBtn, &QAction::triggered, this, Guarded([this] { RedoBtnClick(); }));
}

void TMainForm::RecordStep()
{
    History.Record();
    // Whether the action changed anything is known once its handler has run.
    QTimer::singleShot(0, this, [this] { UpdateUndoActions(); });
}

void TMainForm::ClearHistory()
{
    History.Clear();
    UpdateUndoActions();
}

void TMainForm::UpdateUndoActions()
{
    const bool canUndo = !commandRunning_ && History.CanUndo();
    const bool canRedo = !commandRunning_ && History.CanRedo();
    ui->UndoMenu->setEnabled(canUndo);
    ui->UndoBtn->setEnabled(canUndo);
    ui->RedoMenu->setEnabled(canRedo);
    ui->RedoBtn->setEnabled(canRedo);
}

void TMainForm::UndoBtnClick()
{
    if (commandRunning_)
        return;
    const std::int32_t shape = Turtle.Shape;
    if (History.Undo())
        ShowHistoryStep(shape);
    UpdateUndoActions();
}

void TMainForm::RedoBtnClick()
{
    if (commandRunning_)
        return;
    const std::int32_t shape = Turtle.Shape;
    if (History.Redo())
        ShowHistoryStep(shape);
    UpdateUndoActions();
}

void TMainForm::ShowHistoryStep(std::int32_t shapeBefore)
{
    // The turtle taken back may have walked as another character.
    if (Turtle.Shape != shapeBefore)
        LoadCharacterReporting(CharacterAnimation);
    RefreshStatus();
    MarkNotebookChanged();
}

void TMainForm::CreateKeyboard()
{
    try {
        DXKeyboard.Create(QCoreApplication::instance(), this);
    } catch (const EngineError& error) {
        // Drawing goes on without Esc.
        DXCore.ComponentError(error.Code);
    }
}
