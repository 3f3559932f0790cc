#pragma once

#include "storage/NotebookContent.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// The notebook's index file: a small JSON text with the format version, the page count, the
// current page, every page's turtle record and how many times the notebook has been saved. The
// pictures are kept beside it.

struct NotebookIndex {
    std::vector<TTurtleState> Turtles; // one per page
    int CurrentPage = 0;               // 0-based
    std::uint64_t SaveCounter = 0;     // 0 in an index written before saves were counted
};

QByteArray EncodeIndex(const NotebookContent& content, std::uint64_t saveCounter);
// Nothing unless the text is an index of this format whose every value is in range: 1..8 pages,
// a current page among them, and turtles a page could hold.
std::optional<NotebookIndex> DecodeIndex(const QByteArray& text);

// The index file at `path`, read only when it is a regular file of an index's size.
std::optional<NotebookIndex> ReadIndexFile(const QString& path);
