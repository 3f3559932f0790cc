#include "shell/MainForm.h"

#include "assets/CharacterModels.h"
#include "engine/EngineError.h"
#include "shell/Application.h"
#include "shell/DataFolder.h"
#include "shell/ProgressForm.h"
#include "shell/ReadyFile.h"
#include "shell/RecoveryOffer.h"
#include "storage/RecoveryCopy.h"
#include "ui_MainForm.h"
#include "win/MessageBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr int kProgressStep = 10;
constexpr unsigned short kStartupMessageLanguage = 0x2415;
constexpr std::int32_t kStartShape = 3;
constexpr std::int32_t kWalkingAnimation = 2;

// The texture pack is the one data file looked up beside the executable (or in the data folder
// installed beside it); the others are opened by bare names from the working folder.
QByteArray TexturePackPath()
{
    const QString program = QCoreApplication::applicationDirPath();
    QString pack = QDir(program).filePath(QStringLiteral("bmp.mte"));
    if (!QFileInfo::exists(pack))
        pack = QDir(InstalledDataFolder(program)).filePath(QStringLiteral("bmp.mte"));
    return QFile::encodeName(pack);
}

} // namespace

void TMainForm::StartTimerTimer()
{
    StartTimer.stop();
    setEnabled(false);
    QCoreApplication::processEvents();
    if (!StartUp())
        return;
    AnnounceReadyWindow(*this);
    RunMainLoop();
    ShutDown();
}

void TMainForm::ShowStartupError(const char* text)
{
    setEnabled(true);
    win::MessageBox({nullptr, QString::fromUtf8(text), QStringLiteral("Error"), win::MB_OK | win::MB_ICONSTOP,
                     kStartupMessageLanguage});
}

void TMainForm::PlaceProgressWindow(TProgressForm& progress) const
{
    // Right under the 3D view, as wide as it.
    const TDXViewport& view = *ui->DXViewport;
    const QPoint underView = ClientArea()->mapToGlobal(QPoint(view.Left(), view.Top() + view.Height()));
    progress.move(underView);
    progress.resize(view.Width(), progress.height());
}

bool TMainForm::StartUp()
{
    progress_ = std::make_unique<TProgressForm>();
    ProgressForm = progress_.get();
    PlaceProgressWindow(*progress_);
    progress_->show();
    progress_->repaint();
    QCoreApplication::processEvents();
    progress_->AdvanceBy(kProgressStep);

    const QByteArray packPath = TexturePackPath();
    if (!DXCore.Create(QCoreApplication::instance(), packPath.constData())) {
        ShowStartupError("Can't crete DirectX Core.");
        return false;
    }
    CreateKeyboard();

    progress_->AdvanceBy(kProgressStep);
    FloorMesh = DXCore.AddMeshFromFile("00.x", 0.0f, 0.0f, 0.0f);
    FloorTexture = DXCore.GetTexture();
    // Every drawing step writes into the floor image: without one there is nothing to start.
    if (!FloorImage.Attach(FloorTexture, FloorMesh.get())) {
        ShowStartupError("Can't find 00.x");
        return false;
    }

    Sheet.AttachFloor(FloorImage);

    progress_->AdvanceBy(kProgressStep);
    ResetWorkspace();

    progress_->AdvanceBy(kProgressStep);
    archive_ = std::make_unique<TJoinFile>("ANI");
    if (!archive_->Open("AniMesh.jx")) {
        ShowStartupError("Can't find AniMesh.jx");
        return false;
    }

    progress_->AdvanceBy(kProgressStep);
    Turtle.Shape = kStartShape;
    if (!LoadCharacterReporting(kWalkingAnimation)) {
        ShowStartupError("Can't read the character from AniMesh.jx");
        return false;
    }

    progress_->AdvanceBy(kProgressStep);
    DXCore.Running = true;
    // A hidden window would still stand in the screen reader's list of windows.
    progress_.reset();
    ProgressForm = nullptr;
    QCoreApplication::processEvents();
    setEnabled(true);
    Sheet.UpdateFloor();
    // The notebook starts again from the sheet now shown, not from the floor filled before: its
    // first page, that page's record and the copy that counts as saved.
    Document.Start();
    recovery_ = std::make_unique<RecoveryKeeper>(Document, RecoveryRoot(), [this] { return !Walker.Busy(); });
    connect(recovery_.get(), &RecoveryKeeper::CannotKeep, this, [this](const QString& why) { status_->ShowFailure(why); });
    Loop.Run(); // the first frame and the status bar stand behind the recovery question
    RefreshStatus();
    OfferRecoveredNotebook(Document, *recovery_);
    return true;
}

void TMainForm::ResetWorkspace()
{
    Sheet.ResetTurtle();
    Camera.Reset(DXCamera.PosX, DXCamera.PosY, DXCamera.PosZ);
    Sheet.FillFloorImage(static_cast<std::uint8_t>(Turtle.BGColor));
    Document.Start();
    UpdateUndoActions();
}

bool TMainForm::LoadCharacter(std::int32_t animation)
{
    CharacterAnimation = animation;
    return archive_ && LoadAnimationEntry(*archive_, CharacterEntryName(Turtle.Shape, animation), DXAnimation);
}

bool TMainForm::LoadCharacterReporting(std::int32_t animation)
{
    try {
        return LoadCharacter(animation);
    } catch (const EngineError& error) {
        DXCore.ComponentError(error.Code);
        return false;
    }
}

void TMainForm::RunMainLoop()
{
    loopRunning_ = true;
    Loop.RunWhileRunning();
    loopRunning_ = false;
}

void TMainForm::ShutDown()
{
    // A normal end: nothing is left to recover.
    recovery_.reset();
    Document.Release();
    FloorMesh.reset();
    DXAnimation.Destroy();
    DXKeyboard.Destroy();
    Sheet.DetachFloor();
    FloorImage.Detach();
    FloorTexture.reset();
    DXCore.Destroy();
    archive_.reset();
}
