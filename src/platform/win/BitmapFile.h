#pragma once

#include <QImage>
#include <QString>

// Reads a BMP file whole. Qt's reader quietly paints missing rows of a file cut short, so the
// file is first checked to hold every byte its header promises. A null image on any fault.
namespace win {

QImage ReadBitmapFile(const QString& fileName);

} // namespace win
