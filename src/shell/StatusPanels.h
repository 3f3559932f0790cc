#pragma once

#include "turtle/StatusTexts.h"

#include <QString>
#include <QTimer>

#include <array>

class QLabel;
class QStatusBar;
class SpokenNotice;

// The status bar's five panels: the notebook, the page, X, Y and the heading.
class StatusPanels {
public:
    // How long a failure stays at least, whatever the child does meanwhile.
    static constexpr int kFailureMs = 10000;

    explicit StatusPanels(QStatusBar& bar);

    void ShowTurtle(const StatusTexts& texts);
    // The notebook's name, marked while it holds changes not saved.
    void ShowNotebook(const QString& name, bool modified);
    // Says for a moment, in the notebook's panel, that the notebook was saved; the other panels
    // stay in view.
    void ShowSaved(const QString& name);
    // Says for a while, in the notebook's panel, what the child or teacher should know.
    void ShowNotice(const QString& text);
    // Says in the notebook's panel that something failed (no recovery copy can be kept, a file
    // cannot be written). It stays for kFailureMs and after that until the notebook changes
    // again; cut at the panel's edge, it is whole in the panel's hint, and a screen reader hears
    // it whole as it appears.
    void ShowFailure(const QString& text);
    // What a panel says, whole.
    QString Text(int panel) const;

private:
    // Shows `text` in the notebook's panel for `ms`, then the notebook again.
    void ShowForAWhile(const QString& text, int ms);
    // The notebook's panel shows as much of `text` as fits, and all of it in its hint.
    void ShowFirst(const QString& text);
    QString NotebookText() const;

    std::array<QLabel*, 5> panels_{};
    SpokenNotice* spoken_;
    // The notebook's panel's whole text.
    QString first_;
    QString name_;
    bool modified_ = false;
    QTimer savedShown_;
    // Runs while a failure must stay.
    QTimer failureHeld_;
    bool failureShown_ = false;
};
