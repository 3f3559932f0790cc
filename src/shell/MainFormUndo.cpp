#include "shell/MainForm.h"

#include "engine/EngineError.h"
#include "shell/ExceptionBox.h"
#include "ui_MainForm.h"

#include <QKeySequence>

void TMainForm::ConnectUndoHandlers()
{
    ui->UndoMenu->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    ui->RedoMenu->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(ui->UndoMenu, &QAction::triggered, this, Guarded([this] { UndoBtnClick(); }));
    connect(ui->UndoBtn, &QAction::triggered, this, Guarded([this] { UndoBtnClick(); }));
    connect(ui->RedoMenu, &QAction::triggered, this, Guarded([this] { RedoBtnClick(); }));
    connect(ui->RedoBtn, &QAction::triggered, this, Guarded([this] { RedoBtnClick(); }));
}

void TMainForm::UpdateUndoActions()
{
    const bool canUndo = !Walker.Busy() && Document.CanUndo();
    const bool canRedo = !Walker.Busy() && Document.CanRedo();
    ui->UndoMenu->setEnabled(canUndo);
    ui->UndoBtn->setEnabled(canUndo);
    ui->RedoMenu->setEnabled(canRedo);
    ui->RedoBtn->setEnabled(canRedo);
}

void TMainForm::UndoBtnClick()
{
    if (Walker.Busy())
        return;
    const std::int32_t shape = Turtle.Shape;
    ShowHistoryMove(Document.Undo(), shape);
}

void TMainForm::RedoBtnClick()
{
    if (Walker.Busy())
        return;
    const std::int32_t shape = Turtle.Shape;
    ShowHistoryMove(Document.Redo(), shape);
}

void TMainForm::ShowHistoryMove(HistoryMove move, std::int32_t shapeBefore)
{
    // A page brought in front may have its turtle walking as another character.
    if (move != HistoryMove::Nothing && Turtle.Shape != shapeBefore)
        LoadCharacterReporting(CharacterAnimation);
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
