#include "shell/MainForm.h"

#include "dialogs/BackgroundPicture.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/DisplayDlg.h"
#include "dialogs/HelpCommands.h"
#include "dialogs/PenDlg.h"
#include "dialogs/PenSettings.h"
#include "dialogs/PosDlg.h"
#include "dialogs/ScreenDlg.h"
#include "dialogs/ScreenSettings.h"
#include "dialogs/TurtleSettings.h"
#include "shell/Application.h"
#include "shell/ExceptionBox.h"
#include "shell/LanguageChoice.h"
#include "shell/SmoothEdgesChoice.h"
#include "shell/SpeedChoice.h"
#include "shell/TopViewChoice.h"
#include "ui_MainForm.h"

void TMainForm::ConnectSettingsHandlers()
{
    connect(ui->PenMenu, &QAction::triggered, this, Guarded([this] { PenMenuClick(); }));
    connect(ui->PosMenu, &QAction::triggered, this, Guarded([this] { PosMenuClick(); }));
    connect(ui->ScreenMenu, &QAction::triggered, this, Guarded([this] { ScreenMenuClick(); }));
    connect(ui->SetBGMenu, &QAction::triggered, this, Guarded([this] { SetBGMenuClick(); }));
    connect(ui->DisplayMenu, &QAction::triggered, this, Guarded([this] { DisplayMenuClick(); }));
    AddTopViewChoice(Camera, *ui->OptionsMenu, *ui->MainToolBar, [this] {
        if (!loopRunning_) // the scene is made at start-up
            return;
        const CameraPose pose = Camera.PlaceCamera(Turtle);
        DXScene.SetCamPosition(pose.x, pose.y, pose.z);
        DXScene.SetCamOrientation(pose.viewX, pose.viewY, pose.viewZ);
    });
    AddSmoothEdgesChoice(FloorImage.Smooth(), *ui->OptionsMenu);
    AddSpeedChoice(Loop.Speed(), *ui->OptionsMenu, ui->ScreenMenu, *ui->MainToolBar);
    AddLanguageChoice(*this, *ui->OptionsMenu, [this] { ui->retranslateUi(this); });
    connect(ui->HelpBtn, &QAction::triggered, this, Guarded([this] { ContHelpMenuClick(); }));
    connect(ui->ContHelpMenu, &QAction::triggered, this, Guarded([this] { ContHelpMenuClick(); }));
    connect(ui->TutorBtn, &QAction::triggered, this, Guarded([this] { TutorBtnClick(); }));
    connect(ui->TutorMenu, &QAction::triggered, this, Guarded([this] { TutorBtnClick(); }));
    connect(ui->AboutMenu, &QAction::triggered, this, Guarded([this] { AboutMenuClick(); }));
}

void TMainForm::PenMenuClick()
{
    RunPenDialog(*PenDlg, Sheet);
}

void TMainForm::PosMenuClick()
{
    Document.Edit([this] { RunTurtleDialog(*PosDlg, Sheet); }, RecordOp::Place);
}

void TMainForm::ScreenMenuClick()
{
    Document.Edit([this] { RunScreenDialog(*ScreenDlg, Sheet); }, RecordOp::Background);
}

void TMainForm::SetBGMenuClick()
{
    Document.Edit([this] { RunBackgroundChoice(this, Sheet); });
}

void TMainForm::DisplayMenuClick()
{
    RunDisplayDialog(*DisplayDlg);
}

void TMainForm::ContHelpMenuClick()
{
    ::ContHelpMenuClick(this);
}

void TMainForm::TutorBtnClick()
{
    ::TutorBtnClick(this);
}

void TMainForm::AboutMenuClick()
{
    ::AboutMenuClick(*AboutDlg);
}
