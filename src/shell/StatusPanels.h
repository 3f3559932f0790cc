#pragma once

#include "turtle/StatusTexts.h"

#include <QString>
#include <QTimer>

#include <array>

class QLabel;
class QStatusBar;

// The status bar's five panels: the notebook, the page, X, Y and the heading.
class StatusPanels {
public:
    explicit StatusPanels(QStatusBar& bar);

    void ShowTurtle(const StatusTexts& texts);
    // The notebook's name, marked while it holds changes not saved.
    void ShowNotebook(const QString& name, bool modified);
    // Says for a moment, in the notebook's panel, that the notebook was saved; the other panels
    // stay in view.
    void ShowSaved(const QString& name);
    // Says for a while, in the notebook's panel, what the child or teacher should know, such as
    // why no recovery copy is kept.
    void ShowNotice(const QString& text);
    QString Text(int panel) const;

private:
    // Shows `text` in the notebook's panel for `ms`, then the notebook again.
    void ShowForAWhile(const QString& text, int ms);
    QString NotebookText() const;

    std::array<QLabel*, 5> panels_{};
    QString name_;
    bool modified_ = false;
    QTimer savedShown_;
};
