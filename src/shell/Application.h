#pragma once

#include <memory>

class TMainForm;
class TAboutDlg;
class TOpenDlg;
class TSaveDlg;
class TPenDlg;
class TPosDlg;
class TScreenDlg;
class TDisplayDlg;
class TProgressForm;
class TShapeDlg;
class WindowPlacement;
class CameraReturn;
class WindowMemory;

// The application's windows, reachable from everywhere as the program's handlers expect.
extern TMainForm* MainForm;
extern TAboutDlg* AboutDlg;
extern TOpenDlg* OpenDlg;
extern TSaveDlg* SaveDlg;
extern TPenDlg* PenDlg;
extern TPosDlg* PosDlg;
extern TScreenDlg* ScreenDlg;
extern TDisplayDlg* DisplayDlg;
extern TProgressForm* ProgressForm;
extern TShapeDlg* ShapeDlg;

// Owns the ten windows, created in this order (the first is the main window) and destroyed in
// the reverse order; binds each to its global pointer while it lives. While they live, every
// window the program shows is placed on the screen around the main window, and a double click
// in the 3D view brings the camera back. The dialogs carry a close button only.
class ApplicationWindows {
public:
    ApplicationWindows();
    ~ApplicationWindows();
    ApplicationWindows(const ApplicationWindows&) = delete;
    ApplicationWindows& operator=(const ApplicationWindows&) = delete;

    // Shows the main window where the user left it, or at its first size in the middle of the
    // screen.
    void ShowMainWindow();

private:
    std::unique_ptr<TMainForm> mainForm_;
    std::unique_ptr<TAboutDlg> aboutDlg_;
    std::unique_ptr<TOpenDlg> openDlg_;
    std::unique_ptr<TSaveDlg> saveDlg_;
    std::unique_ptr<TPenDlg> penDlg_;
    std::unique_ptr<TPosDlg> posDlg_;
    std::unique_ptr<TScreenDlg> screenDlg_;
    std::unique_ptr<TDisplayDlg> displayDlg_;
    std::unique_ptr<TProgressForm> progressForm_;
    std::unique_ptr<TShapeDlg> shapeDlg_;
    std::unique_ptr<WindowPlacement> placement_;
    std::unique_ptr<CameraReturn> cameraReturn_;
};
