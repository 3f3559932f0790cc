#pragma once

#include "program/ProgramWords.h"
#include "storage/DrawingRecord.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <cstddef>
#include <vector>

class NotebookDocument;
class OwnCommandList;
class ProgramPane;
class QAction;
class QMainWindow;
class QMenu;
class QToolBar;
class StatusPanels;
class TurtleSheet;
class TurtleWalker;

// The page's program in the window: "Program" opens the pane beside the 3D view, which shows
// the page's record in words as the child draws; "Uruchom" runs the text from the page's start
// with the line being walked marked, "Krok" walks its next step; a mistake is marked and said.
// "Otwórz program…" and "Zapisz program…" read and write the text as a file.
class ProgramControl : public QObject {
    Q_OBJECT
public:
    ProgramControl(QMainWindow& window, const TurtleSheet& sheet, NotebookDocument& document, TurtleWalker& walker,
                   OwnCommandList& commands);
    ~ProgramControl() override;

    // The pane's action goes in the edit menu and on the tool bar, the file actions in the
    // notebook menu before its last part; what went wrong is said in `status`.
    void Attach(QMenu& notebookMenu, QMenu& editMenu, QToolBar& toolBar, StatusPanels& status);

    void Run();
    void Step();
    void OpenFile();
    void SaveFile();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateActions();
    void SetTexts();
    void ShowPane(bool shown);
    // Shows the page's record as text soon, once whatever changed it is over.
    void RefreshSoon();
    void Refresh();
    ProgramLanguage Language() const;
    // The text read; false, with its mistake shown, when it has one.
    bool ReadText();
    void Recheck();
    void RunEnded();
    void Say(const QString& text);

    QMainWindow& window_;
    const TurtleSheet& sheet_;
    NotebookDocument& document_;
    TurtleWalker& walker_;
    OwnCommandList& commands_;
    ProgramPane* pane_ = nullptr;
    StatusPanels* status_ = nullptr;
    QAction* show_ = nullptr;
    QAction* run_ = nullptr;
    QAction* step_ = nullptr;
    QAction* open_ = nullptr;
    QAction* save_ = nullptr;
    QTimer refresh_;
    // Moves the mark to the line being walked a few times a second, not with every entry.
    QTimer follow_;
    // Once a mistake was shown, the text is read again as the child mends it, a moment after
    // the last key, and the mark moves to the next mistake.
    QTimer recheck_;

    // The text last read: its steps and where each starts.
    std::vector<RecordEntry> steps_;
    std::vector<int> offsets_;
    // The program running or being stepped: the entry walking, the next step to take.
    bool running_ = false;
    bool stepping_ = false;
    int walking_ = -1;
    std::size_t nextStep_ = 0;
};
