#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// A notebook found in the notebooks folder, for choosing one to open.
struct SavedNotebook {
    QString Folder;
    QString Name;
};

// Every notebook index in the folder that a typed name can open, sorted by name as the user's
// language sorts. Only the folder is read, none of the files, so that this is quick for
// thousands of notebooks.
std::vector<SavedNotebook> ListSavedNotebooks(const QString& folder);

// What the open list shows of one notebook once its files have been read.
struct NotebookPreview {
    // Why the notebook cannot be opened (its index cannot be read); empty when it can.
    QString Problem;
    // The drawing of its first page (kSheetBytes sheet palette indices), when it could be read.
    std::optional<std::vector<std::uint8_t>> FirstPage;
};

// Reads the index and the first page of the notebook, with the page reader's checks.
NotebookPreview ReadNotebookPreview(const SavedNotebook& notebook);
