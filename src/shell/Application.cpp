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
#include "shell/WindowMemory.h"
#include "shell/WindowPlacement.h"
#include "ui_MainForm.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>

#include <initializer_list>

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

// A screen reader names the text field of a name dialog by the label that stands over it.
void NameByLabel(QDialog& dialog, const char* label)
{
    auto* text = dialog.findChild<QLabel*>(QLatin1String(label));
    auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("FileName"));
    if (text && field)
        text->setBuddy(field);
}

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
    for (QDialog* dialog : std::initializer_list<QDialog*>{AboutDlg, OpenDlg, SaveDlg, PenDlg, PosDlg, ScreenDlg,
                                                           DisplayDlg, ShapeDlg})
        dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    NameByLabel(*SaveDlg, "Label2");
    NameByLabel(*OpenDlg, "Label1");
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
    // Once: the window owns it, and it stores the place when the application quits.
    if (mainForm_->findChild<WindowMemory*>() == nullptr)
        new WindowMemory(*mainForm_);
    rm::PrepareWindowForDevice(*mainForm_);
    mainForm_->show();
}
