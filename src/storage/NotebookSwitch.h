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

    // The switch written down and not finished; nothing when there is none or it cannot be
    // read (then it was never whole, and nothing was moved).
    static std::optional<NotebookSwitch> Pending(const QString& folder, const QString& name);
    // Finishes a pending switch with plain moves; true when there was none or it is done.
    static bool FinishPending(const QString& folder, const QString& name);
};

// Makes the folder's new entries and removals outlive a power cut.
void SyncFolder(const QString& folder);
