#pragma once

#include "storage/NotebookContent.h"

#include <QByteArray>

#include <optional>
#include <vector>

// The notebook's index file: a small JSON text with the format version, the page count, the
// current page and every page's turtle record. The pictures are kept beside it.

struct NotebookIndex {
    std::vector<TTurtleState> Turtles; // one per page
    int CurrentPage = 0;               // 0-based
};

QByteArray EncodeIndex(const NotebookContent& content);
// Nothing unless the text is an index of this format whose every value is in range: 1..8 pages,
// a current page among them, and turtles a page could hold.
std::optional<NotebookIndex> DecodeIndex(const QByteArray& text);
