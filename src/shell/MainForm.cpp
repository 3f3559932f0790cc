#include "shell/MainForm.h"

#include "shell/CornerStatus.h"
#include "shell/DesktopKeys.h"
#include "shell/ExceptionBox.h"
#include "shell/PanelAccess.h"
#include "shell/ProgressForm.h"
#include "shell/PanelLock.h"
#include "shell/SceneSetup.h"
#include "shell/SpokenNotice.h"
#include "shell/SpokenPlace.h"
#include "shell/ViewLayout.h"
#include "turtle/SheetColors.h"
#include "ui_MainForm.h"
#include "win/MessagePump.h"
#include "win/WindowLook.h"

#include <QCloseEvent>
#include <QCursor>
#include <QLabel>
#include <QPixmap>
#include <QSlider>

// The window's pictures live in this library's resources, which a static link would drop unless
// they are named once.
static void InitShellResources()
{
    Q_INIT_RESOURCE(qel3d);
}

void ShowTrackValue(QLabel* label, int value)
{
    label->setText(QString::number(value));
}

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent), DXCore(this), Sheet(Turtle, *this), Document(Sheet, Walker, NotebookQuestions),
      Replay(*this, Sheet, Walker, Document),
      Loop({DXCore, DXScene, DXAnimation, DXKeyboard, Turtle, Walker, Camera, *this}),
      ui(std::make_unique<Ui::TMainForm>())
{
    InitShellResources();
    ui->setupUi(this);
    win::UseWindowLook(*this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint);
    indicators_ = std::make_unique<ToolIndicators>(ToolIndicators::Labels{*ui->ColorImage, *ui->WidthImage,
        *ui->SelColorImage, *ui->SelColorLabel, *ui->SelBGColorImage, *ui->SelBGColorLabel, *ui->SelWidthImage, *ui->SelWidthLabel});
    status_ = std::make_unique<StatusPanels>(*ui->MainStatusBar);
    ConfigureComponents();
    ConnectHandlers();
    corner_ = new CornerStatus(*ui->ClientArea);
    viewLayout_ = std::make_unique<ViewLayout>(ViewLayout::Parts{*this, *ui->ClientArea, *ui->DXViewport, *ui->MainToolBar,
        {ui->Label1, ui->Label2, &Teach.Row()}, *ui->MainStatusBar, DXCore, *corner_});
    panelLock_ = std::make_unique<PanelLock>(PanelLock::Parts{*this, *ui->ClientArea, *ui->DXViewport, *ui->MainToolBar,
        findChild<QAction*>(QStringLiteral("ReplayMenu")), [this] { Walker.Stop(); }});
    placeNotice_ = new SpokenNotice(ui->ClientArea);
    AddDesktopKeys(*this, *ui);
    panelAccess_ = std::make_unique<PanelAccess>(*this, *ui, PanelAccess::Strips{
        [this] { return ColorToCell(Turtle.PenColor); },
        [this](Qt::KeyboardModifiers keys, int x, int y) { RunGuarded([&] { ColorImageMouseUp(keys, x, y); }); },
        [this] { return Turtle.PenWidth - 1; }, [this](int x) { RunGuarded([&] { WidthImageClick(x); }); }});
    StartTimer.start();
}

TMainForm::~TMainForm()
{
    // The engine goes while the components it links to still live.
    DXCore.Destroy();
}

QWidget* TMainForm::ClientArea() const
{
    return ui->ClientArea;
}

void TMainForm::ConfigureComponents()
{
    // The window's stored settings of its engine components.
    SetUpCore(DXCore, *ui->DXViewport, DXScene);
    DXCore.DXInput = &DXInput;
    DXCore.DXSound = &DXSound;

    DXInput.Type = itMouse;
    DXKeyboard.Type = itKeyboard;
    DXSound.Channels = 2;

    SetUpScene(DXScene, DXCamera, DXLight1, DXLight2);

    SetUpCharacter(DXAnimation, DXScene, DXCore);

    StartTimer.setInterval(kStartDelayMs);
    StartTimer.setSingleShot(true);
}

void TMainForm::ConnectHandlers()
{
    connect(&StartTimer, &QTimer::timeout, this, Guarded([this] { StartTimerTimer(); }));
    connect(ui->ForwardBtn, &QAbstractButton::clicked, this, Guarded([this] { ForwardBtnClick(); }));
    connect(ui->BackwardBtn, &QAbstractButton::clicked, this, Guarded([this] { BackwardBtnClick(); }));
    connect(ui->RightBtn, &QAbstractButton::clicked, this, Guarded([this] { RightBtnClick(); }));
    connect(ui->LeftBtn, &QAbstractButton::clicked, this, Guarded([this] { LeftBtnClick(); }));
    connect(ui->CircleBtn, &QAbstractButton::clicked, this, Guarded([this] { CircleBtnClick(); }));
    connect(ui->SquareBtn, &QAbstractButton::clicked, this, Guarded([this] { SquareBtnClick(); }));
    ConnectPanelHandlers();
    ConnectSettingsHandlers();
    ConnectUndoHandlers();
    ConnectNotebookHandlers();
    Replay.AddActions(*ui->EditMenu, ui->RedoMenu, *ui->MainToolBar, ui->RedoBtn);
    Teach.Attach(*ui->ClientArea, *ui->DXViewport, *ui->MainStatusBar, *status_, *ui->EditMenu, *ui->MainToolBar);
    Program.Attach(*ui->SheetMenu, *ui->EditMenu, *ui->MainToolBar, *status_);
    connect(&Walker, &TurtleWalker::BusyChanged, this, [this](bool busy) { ShowBusy(busy); });
    connect(&Walker, &TurtleWalker::ReachedEdge, this, [this] { status_->ShowNotice(tr("Żółw doszedł do brzegu strony.")); });
    connect(ui->ExitMenu, &QAction::triggered, this, Guarded([this] { ExitMenuClick(); }));
    connect(ui->ToolButton7, &QAction::triggered, this, Guarded([this] { ExitMenuClick(); }));

    const std::array<std::pair<QSlider*, QLabel*>, 6> tracks = {{
        {ui->ForwardTrack, ui->ForwardLabel},
        {ui->BackwardTrack, ui->BackwardLabel},
        {ui->RightTrack, ui->RightLabel},
        {ui->LeftTrack, ui->LeftLabel},
        {ui->CircleTrack, ui->CircleLabel},
        {ui->SquareTrack, ui->SquareLabel},
    }};
    for (const auto& [track, label] : tracks)
        connect(track, &QSlider::valueChanged, label, [label = label](int value) { ShowTrackValue(label, value); });
}

void TMainForm::RefreshStatus()
{
    const StatusTexts texts = MakeStatusTexts(Document.Pages().CurrentPage(), Document.Pages().PageCount(), Turtle, QLocale());
    status_->ShowTurtle(texts);
    corner_->Show(texts);
}

QString TMainForm::StatusText(int panel) const
{
    return status_->Text(panel);
}

bool TMainForm::MouseInViewport() const
{
    const QPoint p = ClientArea()->mapFromGlobal(QCursor::pos());
    const TDXViewport& view = *ui->DXViewport;
    return view.Left() <= p.x() && p.x() <= view.Left() + view.Width() && view.Top() <= p.y()
           && p.y() <= view.Top() + view.Height();
}

void TMainForm::ShowBusy(bool busy)
{
    if (busy) {
        UpdateUndoActions();
        setCursor(Qt::WaitCursor);
        QCoreApplication::processEvents();
        panelLock_->SetBusy(Replay.Walking() ? BusyKind::Replay : BusyKind::Command);
        DXAnimation.Play = true;
    } else {
        DXAnimation.Play = false;
        panelLock_->SetIdle();
        unsetCursor();
        UpdateUndoActions();
        placeNotice_->Say(SpokenPlace(Turtle));
    }
}

void TMainForm::StartCommand(RecordOp op, const QSlider* track)
{
    Document.Do(EntryOf(op, track->value()));
}

void TMainForm::ForwardBtnClick()
{
    StartCommand(RecordOp::Forward, ui->ForwardTrack);
}

void TMainForm::BackwardBtnClick()
{
    StartCommand(RecordOp::Backward, ui->BackwardTrack);
}

void TMainForm::RightBtnClick()
{
    StartCommand(RecordOp::Right, ui->RightTrack);
}

void TMainForm::LeftBtnClick()
{
    StartCommand(RecordOp::Left, ui->LeftTrack);
}

void TMainForm::CircleBtnClick()
{
    StartCommand(RecordOp::Circle, ui->CircleTrack);
}

void TMainForm::SquareBtnClick()
{
    StartCommand(RecordOp::Square, ui->SquareTrack);
}

void TMainForm::ExitMenuClick()
{
    close();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    // A close during a walk stops the turtle where it got to, as Esc does; what it drew stays,
    // and the close goes on as usual.
    Walker.Stop();
    const bool canClose = Teach.MayClose() && Document.CanClose();
    DXCore.Running = !canClose;
    if (!canClose) {
        event->ignore();
        return;
    }
    event->accept();
    // Closing the main window ends the application.
    win::PostQuitMessage(0);
}

void TMainForm::ShowPenColor(int n) { indicators_->ShowPenColor(n); }
void TMainForm::ShowBGColor(int n) { indicators_->ShowBGColor(n); }
void TMainForm::ShowPenWidth(int w) { indicators_->ShowPenWidth(w); }

void TMainForm::ShowPenDown(bool down)
{
    ui->PenBtn->setChecked(down);
}

void TMainForm::ShowCharacterShown(bool shown)
{
    ui->ShowBtn->setChecked(shown);
}

