#pragma once

#include "notebook/PageReplay.h"

#include <QObject>
#include <QPointer>

#include <functional>

class NotebookDocument;
class QAction;
class QMenu;
class QToolBar;
class QWidget;
class RecordListDlg;
class TurtleSheet;
class TurtleWalker;

// "Odtwórz stronę", "Jak powstał rysunek" and "Zapisz animację rysowania…": the current page
// drawn again from its record by the walker, the window following the walker as during a
// command; the record as a list whose line follows the replay; the record walked off the screen
// into an animated picture. Esc stops the walker and with it the replay.
class ReplayControl : public QObject {
public:
    ReplayControl(QWidget& window, TurtleSheet& sheet, TurtleWalker& walker, const NotebookDocument& document);
    ~ReplayControl() override;

    // Puts the actions in the edit menu under `redo` and on the tool bar after `redoButton`.
    void AddActions(QMenu& editMenu, QAction* redo, QToolBar& toolBar, QAction* redoButton);
    void Play();
    void ShowList();
    // Asks where and writes the page's drawing as an animation, then tells `saved` the file.
    void SaveAnimation();
    void OnAnimationSaved(std::function<void(const QString&)> saved) { animationSaved_ = std::move(saved); }

    bool Walking() const { return replay_.Running(); }
    // Whether the last replay to end by itself drew the page bit for bit.
    bool Matched() const { return replay_.Matched(); }

private:
    QWidget& window_;
    const TurtleSheet& sheet_;
    const NotebookDocument& document_;
    PageReplay replay_;
    QPointer<RecordListDlg> list_;
    std::function<void(const QString&)> animationSaved_;
};
