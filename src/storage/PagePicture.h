#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstdint>
#include <vector>

// A page's drawing as a picture anyone can open: 256 × 256, 8-bit, with the sheet's sixteen
// colours in its palette, top row first as the child sees the sheet from the start camera.

// How a page is shown larger: each of its pixels a square, or with smooth edges.
enum class PageEdges { Sharp, Smooth };

// The picture of a drawing (256 rows of 256 sheet palette indices).
QImage PagePicture(const std::uint8_t* image);
// The same picture four times as large with smooth edges (1,024 × 1,024), in the same colours.
QImage SmoothPagePicture(const std::uint8_t* image);
// The same picture as the bytes of a BMP file, as pages are kept on disk.
QByteArray PageBitmapBytes(const std::uint8_t* image);

enum class PageReadFault { None, Missing, Unreadable, WrongSize };

// Reads a page picture into `image` (kSheetBytes). A BMP (also run-length compressed) or PNG picture will do, told apart by
// its first bytes, so that a page a teacher saved from another paint program still opens; every
// colour becomes the nearest of the sixteen. The size comes from the header and anything but
// 256 × 256 is refused before decoding; PNG's text and other side chunks are dropped unread.
// On a fault `image` is left as it was.
PageReadFault ReadPagePicture(const QString& path, std::uint8_t* image);
// The same into a page of any size, made kSheetBytes long when read; our own pages are built
// without clearing them first. On a fault its bytes are no drawing.
PageReadFault ReadPagePicture(const QString& path, std::vector<std::uint8_t>& image);
// The same for the bytes of a page picture file.
PageReadFault DecodePagePicture(const QByteArray& bytes, std::uint8_t* image);
