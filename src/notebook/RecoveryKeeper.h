#pragma once

#include "storage/RecoveryCopy.h"
#include "storage/RecoveryCopyFinder.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>
#include <system_error>
#include <vector>

class NotebookDocument;
class RecoveryCopyWorker;

// Keeps a recovery copy of the document while it holds unsaved changes: written when the program
// rests after a change, at most once a second, never while the turtle walks or a mouse button is
// held; removed once nothing is left unsaved, and on a normal exit. The pages are taken here and
// written on a worker thread. When no copy can be kept, that is said once, with why.
class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    static constexpr int kMinIntervalMs = 1000;
    // How often a copy waiting for the turtle to stop looks again.
    static constexpr int kWalkCheckMs = 200;

    // The copy is made under `root`. `resting` tells whether no command runs: the one input that
    // says whether a copy may be written now.
    RecoveryKeeper(NotebookDocument& document, const QString& root, std::function<bool()> resting);
    ~RecoveryKeeper() override;

    // Writes or removes the copy as the document stands, and returns once it is on disk.
    void KeepNow();
    // Removes, in the background, the empty copies that gone programs left.
    void Sweep(std::vector<QString> folders);
    // Looks in the background for the newest copy a gone program left, removing the empty ones
    // meanwhile; `offer` hears it on the window's thread once it is found, and never when none is.
    void FindLeftCopy(std::function<void(RecoveryCopyFinder::Found&)> offer);

    // What the status line says when no copy can be kept.
    static QString TroubleText(RecoveryTrouble trouble, const QString& root);

signals:
    // No copy can be kept, or the last could not be written: said once until a write works again.
    void CannotKeep(const QString& why);

private:
    void Schedule();
    void KeepWhenResting();
    void Hand();
    void Written(std::error_code error);

    NotebookDocument& document_;
    QString root_;
    std::function<bool()> resting_;
    std::unique_ptr<RecoveryCopyWorker> worker_;
    // After the worker: stopped before it goes, as it hands the worker the empty copies.
    std::unique_ptr<RecoveryCopyFinder> finder_;
    QTimer timer_;
    QElapsedTimer sinceWrite_;
    bool troubleSaid_ = false;
};
