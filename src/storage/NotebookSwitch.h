#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <vector>

// The step from a notebook's old files to those a save wrote under temporary names. It is
// written down whole in the hidden file .N.next before any file is moved, and that file goes
// once every move is made: a save cut short in between by a kill or a power cut is finished by
// the next open or save, so the notebook on disk is always the old one or the new one.
struct NotebookSwitch {
    struct Move {
        QString From; // file names in the notebook's folder
        QString To;
    };
    std::vector<Move> Moves;
    std::vector<QString> Removals; // pictures of pages the notebook no longer has

    // Moves a file over another; a failed move returns false and leaves errno.
    using Mover = std::function<bool(const QString& from, const QString& to)>;

    // Writes the switch down for `name` in `folder`, where nothing of it has been done yet.
    bool Record(const QString& folder, const QString& name) const;
    // Makes every move and removal, then drops the written switch. A move whose file is already
    // gone was made before. False, with the switch kept for later, when a move fails.
    bool Carry(const QString& folder, const QString& name, const Mover& move) const;

    // What is found of a switch written down and not finished.
    enum class Found {
        None,  // no switch, or one cut short while it was written (nothing of it was done)
        Whole, // a switch this program wrote: it may be carried
        Void,  // whole, but it would do more than a save of this notebook does
    };
    // The switch written down for `name` and not finished, and what it is. Only one that moves
    // the program's own staged files (.qel3d-XXXXXX, plain files) onto the notebook's own index
    // and page names, and removes only the notebook's own pages, is Whole.
    static Found Pending(const QString& folder, const QString& name, NotebookSwitch& pending);

    // How finishing a pending switch went.
    enum class Finish {
        Done,     // there was none, or it is done
        Void,     // it was void: set aside as .N.next-nieważny, nothing of it done
        Failed,   // a move failed (a read-only folder, say): the switch stays for later; errno says why
    };
    // Finishes a pending switch with plain moves.
    static Finish FinishPending(const QString& folder, const QString& name);

    // Removes the staged files (.qel3d-XXXXXX) that saves killed before their switch was written
    // left in `folder`: only while no save of any notebook there is under way (besides the one
    // holding `ownLock`, the lock file of the caller), and never one a pending switch names.
    static void RemoveLeftovers(const QString& folder, const QString& ownLock = {});
};

// Makes the folder's new entries and removals outlive a power cut.
void SyncFolder(const QString& folder);
