#pragma once

#include "storage/DrawingRecord.h"

#include <QByteArray>

#include <optional>

// A page's drawing record as bytes, kept in the notebook's index. Each entry is its kind, its
// amount, the turtle's place for entries that change the page, and its picture's code.
QByteArray EncodeRecord(const DrawingRecord& record);
// Nothing unless the bytes are a whole record whose every value is one the program makes:
// amounts in range, finite places, pictures that fit a page.
std::optional<DrawingRecord> DecodeRecord(const QByteArray& bytes);
