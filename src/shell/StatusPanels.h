#pragma once

#include "turtle/StatusTexts.h"

#include <QString>

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
    // Says for a moment that the notebook was saved.
    void ShowSaved(const QString& name);
    // Says for a while what the child or teacher should know, such as why no recovery copy is kept.
    void ShowNotice(const QString& text);
    QString Text(int panel) const;

private:
    QStatusBar& bar_;
    std::array<QLabel*, 5> panels_{};
};
