#include "rm/TextureFile.h"

#include "win/BitmapFile.h"

#include <QFile>
#include <QImage>

#include <cstdint>
#include <cstring>
#include <utility>

namespace rm {

namespace {

// Far beyond any texture a model names, and within what a renderer can hold.
constexpr int kMaxTextureSide = 4096;

} // namespace

HRESULT LoadTextureFile(const char* fileName, Ptr<Texture3>& texture)
{
    if (!fileName)
        return D3DRMERR_BADFILE;
    QImage picture = win::ReadBitmapFile(QFile::decodeName(fileName));
    if (picture.isNull() || picture.width() > kMaxTextureSide || picture.height() > kMaxTextureSide)
        return D3DRMERR_BADFILE;
    // Paletted files arrive as Indexed8 and pass unchanged, indices and palette alike.
    if (picture.format() != QImage::Format_Indexed8)
        picture = picture.convertToFormat(QImage::Format_Indexed8);
    if (picture.isNull() || picture.colorCount() > 256)
        return D3DRMERR_BADFILE;

    auto result = MakePtr<Texture3>(picture.width(), picture.height());
    Image& image = *result->GetImage();
    const QList<QRgb> colors = picture.colorTable();
    for (qsizetype i = 0; i < colors.size(); ++i)
        image.palette[i] = {static_cast<std::uint8_t>(qRed(colors[i])), static_cast<std::uint8_t>(qGreen(colors[i])),
                            static_cast<std::uint8_t>(qBlue(colors[i])), 0};
    auto* pixels = static_cast<std::uint8_t*>(image.buffer1);
    for (int row = 0; row < picture.height(); ++row)
        std::memcpy(pixels + static_cast<std::size_t>(row) * image.bytes_per_line, picture.constScanLine(row),
                    static_cast<std::size_t>(picture.width()));
    texture = std::move(result);
    return D3DRM_OK;
}

} // namespace rm
