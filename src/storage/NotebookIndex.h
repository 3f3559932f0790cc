#pragma once

#include "storage/NotebookContent.h"

#include <QByteArray>

#include <optional>
#include <vector>

// The notebook's index file: a JSON text with the format version, the page count, the current
// page, every page's turtle and how every page was drawn. The pictures are kept beside it.

struct NotebookIndex {
    std::vector<TTurtleState> Turtles; // one per page
    int CurrentPage = 0;               // 0-based
    // One per page; empty where the index keeps none, or one that cannot be read.
    std::vector<DrawingRecord> Records;
};

QByteArray EncodeIndex(const NotebookContent& content);
// Nothing unless the text is an index of this format or the one before whose every value is in
// range: 1..8 pages, a current page among them, and turtles a page could hold. A drawing record
// that cannot be read is left out: the page's drawing stays whole.
std::optional<NotebookIndex> DecodeIndex(const QByteArray& text);
