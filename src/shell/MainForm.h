#pragma once

#include "assets/JoinFile.h"
#include "engine/DXAnimation.h"
#include "engine/DXCamera.h"
#include "engine/DXCore.h"
#include "engine/DXInput.h"
#include "engine/DXLight.h"
#include "engine/DXScene.h"
#include "engine/DXSound.h"
#include "notebook/NotebookDocument.h"
#include "notebook/TurtleWalker.h"
#include "notebook/RecoveryKeeper.h"
#include "shell/PanelLock.h"
#include "shell/MainLoopPass.h"
#include "shell/NotebookDialogs.h"
#include "shell/ProgramControl.h"
#include "shell/ReplayControl.h"
#include "shell/TeachControl.h"
#include "shell/StatusPanels.h"
#include "shell/ToolIndicators.h"
#include "shell/TextureFloor.h"
#include "turtle/CameraControl.h"
#include "turtle/TurtlePanel.h"
#include "turtle/TurtleSheet.h"
#include "turtle/TurtleState.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <cstdint>
#include <memory>

class CornerStatus;
class PanelAccess;
class QLabel;
class QSlider;
class SpokenNotice;
class TProgressForm;
class ViewLayout;

namespace Ui {
class TMainForm;
}

// The main window: the tool panel, the 3D view and the status bar. Its start timer runs the
// whole start-up and then the program's main loop in place, until the window may close.
class TMainForm : public QMainWindow, private TurtlePanel, private LoopWindow {
    Q_OBJECT
public:
    static constexpr int kStartDelayMs = 400;

    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    Ui::TMainForm& Controls() { return *ui; }
    QWidget* ClientArea() const;

    // Engine components, configured by the window's stored values.
    TDXCore DXCore;
    TDXInput DXInput;
    // Read in the main loop, so that Esc reaches a running command, when the window takes no input.
    TDXInput DXKeyboard;
    TDXSound DXSound;
    TDXScene DXScene;
    TDXCamera DXCamera;
    TDXLight DXLight1;
    TDXLight DXLight2;
    TDXAnimation DXAnimation;
    QTimer StartTimer;

    TTurtleState Turtle;
    // The floor texture the sheet draws on; it outlives the sheet.
    TextureFloor FloorImage;
    TurtleSheet Sheet;
    TurtleWalker Walker{Sheet};
    CameraControl Camera;
    NotebookDialogs NotebookQuestions;
    NotebookDocument Document;
    ReplayControl Replay;
    TeachControl Teach{*this, Sheet, Document};
    ProgramControl Program{*this, Sheet, Document, Walker, Teach.Commands()};
    MainLoopPass Loop;
    std::int32_t CharacterAnimation = 0;

    rm::Ptr<rm::Frame3> FloorMesh;
    rm::Ptr<rm::Texture3> FloorTexture;

    // Start-up, main loop and shutdown; runs once.
    void StartTimerTimer();
    // True while the main loop runs: only then can a turtle command be carried out.
    bool LoopRunning() const { return loopRunning_; }

    void ResetWorkspace();
    bool LoadCharacter(std::int32_t animation);
    // The same, with a failing engine call shown and answered false.
    bool LoadCharacterReporting(std::int32_t animation);
    void RefreshStatus() override;
    QString StatusText(int panel) const;
    bool MouseInViewport() const override;

    // The window follows the walker: locked, waiting cursor and no undo while the turtle is busy.
    void ShowBusy(bool busy);

    void ForwardBtnClick();
    void BackwardBtnClick();
    void RightBtnClick();
    void LeftBtnClick();
    void CircleBtnClick();
    void SquareBtnClick();
    void ExitMenuClick();

    // Tool panel: x and y are the cursor's place in the clicked picture.
    void ColorImageMouseUp(Qt::KeyboardModifiers shift, int x, int y);
    void WidthImageClick(int x);
    void PenBtnClick();
    void FillBtnClick();
    void ShowBtnClick();
    void ClearBtnClick();
    void HomeBtnClick();
    void ShapeBtnClick();

    // The notebook as a document: the notebook menu.
    void NewBtnClick();
    void LoadBtnClick();
    void SaveBtnClick();
    void SaveAsMenuClick();
    void PrintMenuClick();

    // Settings dialogs.
    void PenMenuClick();
    void PosMenuClick();
    void ScreenMenuClick();
    void SetBGMenuClick();
    void DisplayMenuClick();
    // Taking steps back and doing them again.
    void UndoBtnClick();
    void RedoBtnClick();
    // Help, tutor and about.
    void ContHelpMenuClick();
    void TutorBtnClick();
    void AboutMenuClick();

    void NewPageBtnClick();
    void DelPageBtnClick();
    void PrevPageBtnClick();
    void NextPageBtnClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ConfigureComponents();
    void ConnectHandlers();
    void StartCommand(RecordOp op, const QSlider* track);
    bool StartUp();
    void RunMainLoop();
    void ShutDown();
    void PlaceProgressWindow(TProgressForm& progress) const;
    void ShowStartupError(const char* text);
    void ConnectPanelHandlers();
    void ConnectSettingsHandlers();
    void ConnectUndoHandlers();
    void UpdateUndoActions();
    void ShowHistoryMove(HistoryMove move, std::int32_t shapeBefore);
    void CreateKeyboard();
    // The document changed: the undo buttons, the name and the status follow.
    void ShowDocument();
    void ConnectNotebookHandlers();
    // Shows a page operation's refusal; true when it was done.
    bool PageDone(PageResult result);

    // Tool panel, told by the turtle what to show.
    void ShowPenColor(int n) override;
    void ShowBGColor(int n) override;
    void ShowPenWidth(int w) override;
    void ShowPenDown(bool down) override;
    void ShowCharacterShown(bool shown) override;

    std::unique_ptr<Ui::TMainForm> ui;
    std::unique_ptr<StatusPanels> status_;
    std::unique_ptr<ToolIndicators> indicators_;
    std::unique_ptr<ViewLayout> viewLayout_;
    std::unique_ptr<PanelAccess> panelAccess_;
    std::unique_ptr<TProgressForm> progress_;
    std::unique_ptr<TJoinFile> archive_;
    std::unique_ptr<RecoveryKeeper> recovery_;
    bool loopRunning_ = false;
    std::unique_ptr<PanelLock> panelLock_;
    // Children of the client area.
    CornerStatus* corner_ = nullptr;
    SpokenNotice* placeNotice_ = nullptr;
};

// Shows a turtle command's amount in its label.
void ShowTrackValue(QLabel* label, int value);
