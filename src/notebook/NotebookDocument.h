#pragma once

#include "notebook/DiskFile.h"
#include "notebook/Notebook.h"
#include "notebook/NotebookPrompts.h"
#include "notebook/UndoHistory.h"
#include "storage/NotebookContent.h"
#include "storage/NotebookOnDisk.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

class OwnCommandList;
class TurtleSheet;
class TurtleWalker;

// The notebook as a document: its pages, the steps that can be taken back, its name, and where
// its history stood when it was last saved or opened. Every change of content goes through one
// door (a step begins, the change is made, the step ends and Changed is announced); whether the
// notebook holds unsaved changes is worked out from that, never set by hand.
class NotebookDocument : public QObject {
    Q_OBJECT
public:
    // The longest name a notebook may have.
    static constexpr int kMaxNameLength = 64;

    NotebookDocument(TurtleSheet& sheet, TurtleWalker& walker, NotebookPrompts& prompts);

    // The row of own commands: saved with the notebook, and joined by those a notebook opened keeps.
    void KeepCommands(OwnCommandList& commands) { commands_ = &commands; }

    const Notebook& Pages() const { return notebook_; }
    // The name the notebook was last saved or opened under; empty while it has none.
    const QString& Name() const { return diskFile_.Name; }
    // True when the pages, or where a page's turtle stands, differ from what was last saved or
    // opened, or another copy of the program has saved over the notebook since. The child's
    // tools never count.
    bool Modified() const;
    bool CanUndo() const { return history_.CanUndo(); }
    bool CanRedo() const { return history_.CanRedo(); }

    // One page holding the live turtle and sheet, nothing to take back, nothing unsaved. Nothing
    // is announced: the window shows its start-up state.
    void Start();
    // The door for drawing: the step opens, the walker runs the entry, and the step closes once
    // the walker has done it, at once or when its walk ends. False when the walker would not take it.
    bool Do(const RecordEntry& entry);
    // The door for a program: the page starts again from its start with a new turtle's tools,
    // the walker runs the entries, and the step closes once the walk ends, however it ends. The
    // page's record becomes what ran. False when the walker would not take it.
    bool RunFromStart(std::vector<RecordEntry> entries);
    // The door for a change a dialog makes at once; `op` says how the page's record tells of it
    // (a place or a snapshot is read from the page).
    void Edit(const std::function<void()>& change, RecordOp op = RecordOp::Snapshot);
    PageResult NewPage(bool inFront);
    PageResult DeletePage();
    // Brings the next or the previous page in front.
    PageResult TurnPage(bool forward);
    // The pages go; the sheet is left clear. For the end of the program.
    void Release();
    HistoryMove Undo();
    HistoryMove Redo();

    // The notebook menu and closing; they answer with dialog results.
    int New();
    int Open();
    int Save();
    int SaveAs();
    bool CanClose();
    // A notebook a crashed program left: it takes the place of this one, under its name, and
    // nothing of it is saved yet.
    void Restore(const NotebookContent& content, const QString& name);

signals:
    // The content, the history, the name or the saved state changed.
    void Changed();
    // An entry went through the door for drawing, done with the turtle as it was before.
    void Did(const RecordEntry& entry, const TTurtleState& before);
    // Something to say in the status line, once, after the change it came with.
    void Notice(const QString& text);

private:
    // Announces the change an operation made, passing on its result.
    template <class Result>
    Result Announced(Result result)
    {
        emit Changed();
        return result;
    }
    void AssignDiskFileCallbacks();
    int AskName(NameQuestion question, QString& name);
    int SaveUnder(const QString& name);
    int OpenNamed(const QString& name);
    // Adds the own commands an opened notebook keeps to the row, telling of those left out.
    void TakeCommands(const NotebookContent& content);
    // What is in the pages now is what was last saved or opened.
    void MarkSaved();
    // Nothing on disk matches the pages, whatever the history says.
    void MarkUnsaved();
    // Counts the notebook as changed once another copy has saved over it.
    void NoticeOtherCopy();
    // The notebook on disk is the one just opened or saved, or none.
    void KnowDisk(const QString& folder, const QString& name, std::uint64_t counter);
    void ForgetDisk();

    TurtleSheet& sheet_;
    TurtleWalker& walker_;
    NotebookPrompts& prompts_;
    // A step is open for an entry the walker runs; the turtle as the entry found it.
    bool doing_ = false;
    TTurtleState before_;
    // A program runs from the page's start; what it ran so far.
    bool runningFromStart_ = false;
    DrawingRecord ran_;
    OwnCommandList* commands_ = nullptr;
    Notebook notebook_;
    UndoHistory history_;
    TDiskFile diskFile_;
    std::uint64_t savedPosition_ = 0;
    NotebookContent saved_;
    // The notebook on disk as this program last opened or saved it under its name; nothing
    // known while it has no name or came back from a recovery copy.
    NotebookOnDisk onDisk_;
    bool writtenElsewhere_ = false;
    // The counter on disk when the name being saved under was last asked about; 0 for none.
    std::optional<std::uint64_t> askedCounter_;
    // Tells of saves of other copies while the window is open.
    QFileSystemWatcher folderWatch_;
};
