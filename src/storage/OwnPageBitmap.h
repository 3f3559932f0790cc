#pragma once

#include "storage/PagePicture.h"

#include <QByteArray>
#include <QList>
#include <QRgb>

#include <cstdint>
#include <optional>
#include <vector>

// A page exactly as this program saves it: a 256 × 256 bitmap of 8-bit indices, bottom row
// first, with the page palette. Opening reads these straight, rows copied whole; every other
// picture is for the general readers.

// The page palette: the sixteen sheet colours, then black for indices a drawing never holds,
// so that every byte names a colour.
const QList<QRgb>& PageColorTable();

// Nothing when `bytes` are laid out otherwise. Unreadable when the header is ours but the file
// ends before its last row; `image` is written only when the whole page was read. A byte past
// the sixteen reads as the black the palette gives it.
std::optional<PageReadFault> DecodeOwnPage(const QByteArray& bytes, std::uint8_t* image);
// The same into a page built row by row, never cleared first: opening reads every page.
std::optional<PageReadFault> DecodeOwnPage(const QByteArray& bytes, std::vector<std::uint8_t>& image);
