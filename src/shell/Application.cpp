#include "shell/Application.h"

#include "dialogs/AboutDlg.h"
#include "dialogs/DisplayDlg.h"
#include "dialogs/OpenDlg.h"
#include "dialogs/PenDlg.h"
#include "dialogs/PosDlg.h"
#include "dialogs/SaveDlg.h"
#include "dialogs/ScreenDlg.h"
#include "dialogs/ShapeDlg.h"
#include "rm/WindowSurface.h"
#include "shell/CameraReturn.h"
#include "shell/MainForm.h"
#include "shell/ProgressForm.h"
#include "shell/WindowPlacement.h"
#include "ui_MainForm.h"

TMainForm* MainForm = nullptr;
TAboutDlg* AboutDlg = nullptr;
TOpenDlg* OpenDlg = nullptr;
TSaveDlg* SaveDlg = nullptr;
TPenDlg* PenDlg = nullptr;
TPosDlg* PosDlg = nullptr;
TScreenDlg* ScreenDlg = nullptr;
TDisplayDlg* DisplayDlg = nullptr;
TProgressForm* ProgressForm = nullptr;
TShapeDlg* ShapeDlg = nullptr;

namespace {

template <class Window>
std::unique_ptr<Window> Create(Window*& global)
{
    auto window = std::make_unique<Window>();
    global = window.get();
    return window;
}

} // namespace

ApplicationWindows::ApplicationWindows()
    : mainForm_(Create(MainForm)), aboutDlg_(Create(AboutDlg)), openDlg_(Create(OpenDlg)),
      saveDlg_(Create(SaveDlg)), penDlg_(Create(PenDlg)), posDlg_(Create(PosDlg)),
      screenDlg_(Create(ScreenDlg)), displayDlg_(Create(DisplayDlg)), progressForm_(Create(ProgressForm)),
      shapeDlg_(Create(ShapeDlg)), placement_(std::make_unique<WindowPlacement>(*mainForm_)),
      cameraReturn_(std::make_unique<CameraReturn>(*mainForm_->Controls().DXViewport, mainForm_->Camera))
{
}

ApplicationWindows::~ApplicationWindows()
{
    MainForm = nullptr;
    AboutDlg = nullptr;
    OpenDlg = nullptr;
    SaveDlg = nullptr;
    PenDlg = nullptr;
    PosDlg = nullptr;
    ScreenDlg = nullptr;
    DisplayDlg = nullptr;
    ProgressForm = nullptr;
    ShapeDlg = nullptr;
}

void ApplicationWindows::ShowMainWindow()
{
    rm::PrepareWindowForDevice(*mainForm_);
    mainForm_->show();
}
