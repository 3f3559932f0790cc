#pragma once

#include <QImage>
#include <QString>

// Reads a BMP or PNG file whole. Qt's readers quietly paint missing rows of a file cut short, so
// a BMP is first checked to hold every byte its header promises and a PNG to run to its end
// chunk. A null image on any fault.
namespace win {

QImage ReadBitmapFile(const QString& fileName);

} // namespace win
