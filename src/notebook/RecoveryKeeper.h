#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

class NotebookDocument;
class RecoveryCopy;

// Keeps a recovery copy of the document while it holds unsaved changes: written when the program
// rests after a change, at most once a second and never while the turtle walks; removed once
// nothing is left unsaved, and on a normal exit.
class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    static constexpr int kMinIntervalMs = 1000;
    // How often a copy waiting for the turtle to stop looks again.
    static constexpr int kWalkCheckMs = 200;

    // `resting` tells whether no command runs. Without a copy of its own nothing is kept.
    RecoveryKeeper(NotebookDocument& document, std::unique_ptr<RecoveryCopy> copy, std::function<bool()> resting);
    ~RecoveryKeeper() override;

    // Writes or removes the copy at once, as the document stands.
    void KeepNow();

private:
    void Schedule();
    void KeepWhenResting();

    NotebookDocument& document_;
    std::unique_ptr<RecoveryCopy> copy_;
    std::function<bool()> resting_;
    QTimer timer_;
    QElapsedTimer sinceWrite_;
};
