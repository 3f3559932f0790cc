#include "notebook/RecoveryKeeper.h"

#include "notebook/NotebookDocument.h"
#include "storage/RecoveryCopyWorker.h"

#include <QGuiApplication>

#include <algorithm>

RecoveryKeeper::RecoveryKeeper(NotebookDocument& document, const QString& root, std::function<bool()> resting)
    : document_(document), root_(root), resting_(std::move(resting))
{
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { KeepWhenResting(); });
    std::error_code trouble;
    if (auto copy = RecoveryCopy::Create(root, trouble)) {
        worker_ = std::make_unique<RecoveryCopyWorker>(std::move(copy), [this](std::error_code error) {
            QMetaObject::invokeMethod(this, [this, error] { Written(error); }, Qt::QueuedConnection);
        });
        connect(&document_, &NotebookDocument::Changed, this, [this] { Schedule(); });
    } else {
        // Said once the window listens.
        QMetaObject::invokeMethod(this, [this, trouble] { Written(trouble); }, Qt::QueuedConnection);
    }
}

RecoveryKeeper::~RecoveryKeeper() = default;

QString RecoveryKeeper::TroubleText(RecoveryTrouble trouble, const QString& root)
{
    const QString start = tr("Kopia odzysku rysunków nie może być zachowana: ");
    switch (trouble) {
    case RecoveryTrouble::ReadOnly:
        return start + tr("folder %1 jest tylko do odczytu.").arg(root);
    case RecoveryTrouble::Full:
        return start + tr("na dysku z folderem %1 brak miejsca.").arg(root);
    case RecoveryTrouble::Link:
        return start + tr("folder %1 jest dowiązaniem do innego miejsca.").arg(root);
    case RecoveryTrouble::Other:
    case RecoveryTrouble::None:
        break;
    }
    return start + tr("nie można pisać w folderze %1.").arg(root);
}

void RecoveryKeeper::Schedule()
{
    if (timer_.isActive())
        return;
    const qint64 since = sinceWrite_.isValid() ? sinceWrite_.elapsed() : kMinIntervalMs;
    timer_.start(static_cast<int>(std::max<qint64>(0, kMinIntervalMs - since)));
}

void RecoveryKeeper::KeepWhenResting()
{
    // A held button may be half of a drag or a click; the copy waits for the hand to let go.
    if (resting_() && QGuiApplication::mouseButtons() == Qt::NoButton)
        Hand();
    else
        timer_.start(kWalkCheckMs);
}

void RecoveryKeeper::Hand()
{
    if (!worker_)
        return;
    sinceWrite_.start();
    if (document_.Modified())
        worker_->Keep(document_.Pages().Contents(), document_.Name());
    else
        worker_->Forget();
}

void RecoveryKeeper::KeepNow()
{
    Hand();
    if (worker_)
        worker_->Finish();
}

void RecoveryKeeper::Sweep(std::vector<QString> folders)
{
    if (worker_)
        worker_->Sweep(std::move(folders));
}

void RecoveryKeeper::FindLeftCopy(std::function<void(RecoveryCopyFinder::Found&)> offer)
{
    finder_ = std::make_unique<RecoveryCopyFinder>(
        root_,
        [this, offer = std::move(offer)](std::optional<RecoveryCopyFinder::Found> found) {
            if (!found)
                return;
            auto held = std::make_shared<RecoveryCopyFinder::Found>(std::move(*found));
            // Dropped with the keeper when the window closes first: the copy stays for the next start.
            QMetaObject::invokeMethod(this, [offer, held] { offer(*held); }, Qt::QueuedConnection);
        },
        [this](std::vector<QString> empty) { Sweep(std::move(empty)); });
}

void RecoveryKeeper::Written(std::error_code error)
{
    if (!error) {
        troubleSaid_ = false;
        return;
    }
    if (troubleSaid_)
        return;
    troubleSaid_ = true;
    emit CannotKeep(TroubleText(RecoveryTroubleOf(error), root_));
}
