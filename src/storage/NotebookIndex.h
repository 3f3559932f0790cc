#pragma once

#include "storage/NotebookContent.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// The notebook's index file: a JSON text with the format version, the page count, the current
// page, every page's turtle, how every page was drawn and how many times the notebook has been
// saved. The pictures are kept beside it.

struct NotebookIndex {
    std::vector<TTurtleState> Turtles; // one per page
    int CurrentPage = 0;               // 0-based
    std::uint64_t SaveCounter = 0;     // 0 in an index written before saves were counted
    // One per page; empty where the index keeps none, or one that cannot be read.
    std::vector<DrawingRecord> Records;
    // One per page: the checksum of the page its record ends on.
    std::vector<std::uint64_t> RecordEnds;
    DrawingRecord::CommandList OwnCommands;
    // Own commands, kept with the notebook or used by a record, that could not be read.
    QStringList DroppedCommands;
};

// An index holds a few lines per page and how each page was drawn; anything larger is not one.
// The writer keeps to the same limit as the reader, so what is saved opens.
inline constexpr qint64 kMaxIndexBytes = 4 * 1024 * 1024;

QByteArray EncodeIndex(const NotebookContent& content, std::uint64_t saveCounter);
// The index within kMaxIndexBytes: while it is longer, the longest record starts again from
// its page as it stands, losing only the steps that led there.
QByteArray EncodeIndexWithinLimit(const NotebookContent& content, std::uint64_t saveCounter);
// Nothing unless the text is an index of this format or an earlier one whose every value is in
// range: 1..8 pages, a current page among them, and turtles a page could hold. A drawing record
// that cannot be read, or one of the earlier formats, is left out: the page's drawing stays whole.
// So is an own command that cannot be read, with a record that runs it.
std::optional<NotebookIndex> DecodeIndex(const QByteArray& text);

// The index file at `path`, read only when it is a regular file of an index's size.
std::optional<NotebookIndex> ReadIndexFile(const QString& path);
