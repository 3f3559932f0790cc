#pragma once

#include "storage/PagePicture.h"

#include <QByteArray>

#include <cstdint>
#include <optional>

// Reads the paletted bitmaps a page most often is, without a general image reader: 8-bit
// uncompressed under any palette, and 8- or 4-bit run-length compressed as paint
// programs write them. Every colour becomes the nearest of the sixteen. A run or a jump that
// would land outside the 256 × 256 sheet, pixels cut short or a missing end mark refuse the
// file whole; `image` is written only when the whole picture was read.
// Nothing when the bytes are no such bitmap: other pictures are for the general reader.
std::optional<PageReadFault> DecodePalettedBitmap(const QByteArray& bytes, std::uint8_t* image);
