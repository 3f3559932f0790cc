#pragma once

#include "storage/DrawingRecord.h"

#include <QByteArray>

#include <optional>

// A page's drawing record as bytes, kept in the notebook's index.
QByteArray EncodeRecord(const DrawingRecord& record);
// Nothing unless the bytes are a whole record, beginning with its only Start, whose every amount
// is one the program makes, whose pictures fit a page and whose runs name one of `commands`.
// Whether it draws its page is for the notebook to find out.
std::optional<DrawingRecord> DecodeRecord(const QByteArray& bytes, const DrawingRecord::CommandList& commands = {});
// Typed positions never reach further; anything beyond is no turtle of ours.
inline constexpr double kFarthestPosition = 1'000'000.0;

// Whether an entry's amount and place are ones the program makes.
bool EntryInRange(const RecordEntry& entry);
