#pragma once

#include "notebook/PageReplay.h"

#include <QObject>
#include <QPointer>

class NotebookDocument;
class QAction;
class QMenu;
class QToolBar;
class QWidget;
class RecordListDlg;
class TurtleSheet;
class TurtleWalker;

// "Odtwórz stronę" and "Jak powstał rysunek": the current page drawn again from its record by
// the walker, the window following the walker as during a command, and the record as a list
// whose line follows the replay. Esc stops the walker and with it the replay.
class ReplayControl : public QObject {
public:
    ReplayControl(QWidget& window, TurtleSheet& sheet, TurtleWalker& walker, const NotebookDocument& document);
    ~ReplayControl() override;

    // Puts the actions in the edit menu under `redo` and on the tool bar after `redoButton`.
    void AddActions(QMenu& editMenu, QAction* redo, QToolBar& toolBar, QAction* redoButton);
    void Play();
    void ShowList();

    bool Walking() const { return replay_.Running(); }
    // Whether the last replay to end by itself drew the page bit for bit.
    bool Matched() const { return replay_.Matched(); }

private:
    QWidget& window_;
    const NotebookDocument& document_;
    PageReplay replay_;
    QPointer<RecordListDlg> list_;
};
