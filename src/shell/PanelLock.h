#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class PanelVeil;
class QAction;
class QToolBar;
class QWidget;

// What keeps the turtle busy.
enum class BusyKind { Command, Replay };

// The main window while the turtle is busy: the panel, the tool bar and the menus take no input
// and look it, all at once under one grey veil that names Esc, and a replay's play button turns
// into its stop button. The 3D view still takes the mouse, and Esc still reaches the main loop.
// Nothing is disabled control by control: a screen reader hears the veil appear, once.
class PanelLock : public QObject {
    Q_DECLARE_TR_FUNCTIONS(PanelLock)
public:
    struct Parts {
        QWidget& window;
        QWidget& client;
        QWidget& view;
        QToolBar& toolBar;
        // The replay's play button; the stop button takes its place on the tool bar.
        QAction* play;
        std::function<void()> stopReplay;
    };

    // The veil's hint while a command runs, and while a page is replayed.
    static QString CommandHint();
    static QString ReplayHint();

    explicit PanelLock(Parts parts);
    ~PanelLock() override;

    bool Busy() const;
    void SetBusy(BusyKind kind);
    void SetIdle();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool LetThrough(QWidget& target, QEvent& event) const;
    void CoverClient();

    Parts parts_;
    PanelVeil* veil_;
    QAction* stop_;
    bool busy_ = false;
};
