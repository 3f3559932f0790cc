#include "rm/TextureFile.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

struct Bgr {
    std::uint8_t red, green, blue;
};

template <class T>
void Put(QByteArray& out, T value)
{
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof bytes);
}

// An uncompressed 8-bit BMP file of `rows` (top row first), stored bottom-up or top-down.
QByteArray Bitmap8(const std::vector<std::vector<std::uint8_t>>& rows, const std::vector<Bgr>& palette,
                   bool topDown = false)
{
    const auto width = static_cast<std::int32_t>(rows.front().size());
    const auto height = static_cast<std::int32_t>(rows.size());
    const std::int32_t stride = (width + 3) / 4 * 4;
    const auto pixelsAt = static_cast<std::uint32_t>(14 + 40 + 4 * palette.size());
    QByteArray out("BM");
    Put<std::uint32_t>(out, pixelsAt + stride * height);
    Put<std::uint32_t>(out, 0);
    Put<std::uint32_t>(out, pixelsAt);
    Put<std::uint32_t>(out, 40);
    Put<std::int32_t>(out, width);
    Put<std::int32_t>(out, topDown ? -height : height);
    Put<std::uint16_t>(out, 1);
    Put<std::uint16_t>(out, 8);
    Put<std::uint32_t>(out, 0);
    Put<std::uint32_t>(out, stride * height);
    Put<std::int32_t>(out, 2835);
    Put<std::int32_t>(out, 2835);
    Put<std::uint32_t>(out, static_cast<std::uint32_t>(palette.size()));
    Put<std::uint32_t>(out, 0);
    for (const Bgr& c : palette) {
        const char entry[] = {char(c.blue), char(c.green), char(c.red), '\0'};
        out.append(entry, sizeof entry);
    }
    for (std::int32_t i = 0; i < height; ++i) {
        const auto& row = rows[static_cast<std::size_t>(topDown ? i : height - 1 - i)];
        out.append(reinterpret_cast<const char*>(row.data()), width);
        out.append(stride - width, '\0');
    }
    return out;
}

class TextureFile : public ::testing::Test {
protected:
    QByteArray Write(const QByteArray& bytes)
    {
        const QString path = dir_.filePath(QStringLiteral("t%1.bmp").arg(files_++));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return QFile::encodeName(path);
    }

    QTemporaryDir dir_;
    int files_ = 0;
};

const std::vector<std::vector<std::uint8_t>> kRows = {{0, 1, 2}, {19, 18, 17}};
const std::vector<Bgr> kPalette = [] {
    std::vector<Bgr> palette;
    for (int i = 0; i < 20; ++i)
        palette.push_back({std::uint8_t(10 * i), std::uint8_t(255 - i), std::uint8_t(i * i)});
    return palette;
}();

class EightBitFile : public TextureFile, public ::testing::WithParamInterface<bool> {};

TEST_P(EightBitFile, KeepsItsIndicesTopRowFirstAndItsPalette)
{
    rm::Ptr<rm::Texture3> texture;
    ASSERT_EQ(rm::LoadTextureFile(Write(Bitmap8(kRows, kPalette, GetParam())).constData(), texture), rm::D3DRM_OK);
    ASSERT_TRUE(texture);
    const rm::Image& image = *texture->GetImage();
    ASSERT_EQ(image.width, 3);
    ASSERT_EQ(image.height, 2);
    const auto* pixels = static_cast<const std::uint8_t*>(image.buffer1);
    for (std::size_t r = 0; r < kRows.size(); ++r)
        for (std::size_t c = 0; c < kRows[r].size(); ++c)
            EXPECT_EQ(pixels[r * image.bytes_per_line + c], kRows[r][c]) << r << ", " << c;
    for (std::size_t i = 0; i < kPalette.size(); ++i) {
        EXPECT_EQ(image.palette[i].red, kPalette[i].red) << i;
        EXPECT_EQ(image.palette[i].green, kPalette[i].green) << i;
        EXPECT_EQ(image.palette[i].blue, kPalette[i].blue) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(BottomUpAndTopDown, EightBitFile, ::testing::Bool());

TEST_F(TextureFile, DeeperFilesAreReducedToAPaletteOfTheirOwn)
{
    QImage picture(5, 4, QImage::Format_RGB888);
    const QRgb colors[] = {qRgb(255, 0, 0), qRgb(0, 200, 0), qRgb(10, 20, 30)};
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, colors[(x + 2 * y) % 3]);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(picture.save(&buffer, "BMP"));
    ASSERT_EQ(qFromLittleEndian<std::uint16_t>(bytes.constData() + 28), 24) << "a 24-bit file";

    rm::Ptr<rm::Texture3> texture;
    ASSERT_EQ(rm::LoadTextureFile(Write(bytes).constData(), texture), rm::D3DRM_OK);
    const rm::Image& image = *texture->GetImage();
    ASSERT_EQ(image.width, 5);
    ASSERT_EQ(image.height, 4);
    const auto* pixels = static_cast<const std::uint8_t*>(image.buffer1);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const rm::PaletteEntry& entry = image.palette[pixels[y * image.bytes_per_line + x]];
            EXPECT_EQ(qRgb(entry.red, entry.green, entry.blue), picture.pixel(x, y)) << x << ", " << y;
        }
}

struct BadFile {
    const char* what;
    QByteArray (*bytes)();
};

QByteArray Good()
{
    return Bitmap8(kRows, kPalette);
}

template <class T>
QByteArray With(int offset, T value)
{
    QByteArray bytes = Good();
    qToLittleEndian(value, bytes.data() + offset);
    return bytes;
}

const BadFile kBadFiles[] = {
    {"empty", [] { return QByteArray(); }},
    {"not a bitmap", [] { return QByteArray("GIF89a").append(200, '\0'); }},
    {"cut short by a byte", [] { return Good().chopped(1); }},
    {"cut inside the header", [] { return Good().left(30); }},
    {"header size past the end", [] { return With<std::uint32_t>(14, 0x7FFFFFF0); }},
    {"header size too small", [] { return With<std::uint32_t>(14, 4); }},
    {"header size that wraps round past 4 GiB", [] { return With<std::uint32_t>(14, 0xFFFFFFF2).left(26); }},
    {"pixels past the end", [] { return With<std::uint32_t>(10, 0xFFFFFFF0); }},
    {"zero width", [] { return With<std::int32_t>(18, 0); }},
    {"negative width", [] { return With<std::int32_t>(18, -3); }},
    {"absurd height", [] { return With<std::int32_t>(22, 0x7FFFFFFF); }},
    {"zero bits per pixel", [] { return With<std::uint16_t>(28, 0); }},
    {"wider than any texture", [] {
         return Bitmap8({std::vector<std::uint8_t>(4097, 1)}, kPalette);
     }},
};

class CorruptFile : public TextureFile, public ::testing::WithParamInterface<BadFile> {};

TEST_P(CorruptFile, FailsAsABadFileAndLeavesTheSlotAlone)
{
    rm::Ptr<rm::Texture3> texture;
    EXPECT_EQ(rm::LoadTextureFile(Write(GetParam().bytes()).constData(), texture), rm::D3DRMERR_BADFILE)
        << GetParam().what;
    EXPECT_FALSE(texture);
}

INSTANTIATE_TEST_SUITE_P(Files, CorruptFile, ::testing::ValuesIn(kBadFiles));

TEST_F(TextureFile, AMissingFileOrNoNameIsABadFile)
{
    rm::Ptr<rm::Texture3> texture;
    EXPECT_EQ(rm::LoadTextureFile(QFile::encodeName(dir_.filePath("none.bmp")).constData(), texture),
              rm::D3DRMERR_BADFILE);
    EXPECT_EQ(rm::LoadTextureFile(nullptr, texture), rm::D3DRMERR_BADFILE);
    EXPECT_FALSE(texture);
}

} // namespace
