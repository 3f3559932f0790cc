#include "engine/TextureLoader.h"
#include "rm/TextureFile.h"
#include "support/HostileFiles.h"
#include "support/CurrentFolder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace {

// Loads textures from files as the real layer does, and notes what it was asked for and
// whether the file was there at that moment.
struct RecordingRM final : rm::Direct3DRM3 {
    rm::HRESULT CreateFrame(rm::Frame3*, rm::Ptr<rm::Frame3>&) override { return win::E_FAIL; }
    rm::HRESULT CreateLightRGB(rm::D3DRMLIGHTTYPE, float, float, float, rm::Ptr<rm::Light>&) override
    {
        return win::E_FAIL;
    }
    rm::HRESULT CreateMeshBuilder(rm::Ptr<rm::MeshBuilder3>&) override { return win::E_FAIL; }
    rm::HRESULT CreateAnimationSet(rm::Ptr<rm::AnimationSet2>&) override { return win::E_FAIL; }
    rm::HRESULT CreateDeviceFromClipper(ddraw::Clipper*, const win::GUID*, int, int, rm::Ptr<rm::Device3>&) override
    {
        return win::E_FAIL;
    }
    rm::HRESULT CreateViewport(rm::Device3*, rm::Frame3*, int, int, int, int, rm::Ptr<rm::Viewport2>&) override
    {
        return win::E_FAIL;
    }
    rm::HRESULT LoadTexture(const char* fileName, rm::Ptr<rm::Texture3>& texture) override
    {
        asked.emplace_back(fileName);
        existed.push_back(QFile::exists(QFile::decodeName(fileName)));
        return rm::LoadTextureFile(fileName, texture);
    }

    std::vector<std::string> asked;
    std::vector<bool> existed;
};

// A 4 × 4 8-bit BMP file whose palette entry 0 is `mark`, so each texture can be told apart.
QByteArray Bitmap(QRgb mark)
{
    QImage image(4, 4, QImage::Format_Indexed8);
    image.setColorTable({mark, qRgb(1, 2, 3)});
    image.fill(0);
    image.setPixel(3, 0, 1);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

QRgb Mark(const rm::Ptr<rm::Texture3>& texture)
{
    const rm::PaletteEntry& entry = texture->GetImage()->palette[0];
    return qRgb(entry.red, entry.green, entry.blue);
}

template <class T>
void Put(QByteArray& out, T value)
{
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof bytes);
}

// A pack with the entries in the order given, each texture in its fixed-size slot.
QByteArray Pack(const std::vector<std::pair<std::string, QByteArray>>& textures)
{
    QByteArray out;
    Put<std::int32_t>(out, static_cast<std::int32_t>(textures.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(4 + 20 * textures.size());
    for (const auto& [name, bitmap] : textures) {
        QByteArray field(name.c_str(), static_cast<qsizetype>(name.size()));
        field.resize(kTexturePackNameBytes, '\0');
        out.append(field);
        Put<std::uint32_t>(out, offset);
        offset += kTexturePackEntryBytes;
    }
    for (const auto& [name, bitmap] : textures)
        out.append(bitmap.leftJustified(kTexturePackEntryBytes, '\0'));
    return out;
}

const QRgb kFloorMark = qRgb(200, 10, 10);
const QRgb kFileMark = qRgb(10, 200, 10);

QByteArray ThreeTexturePack()
{
    return Pack({{"a.bmp", Bitmap(qRgb(1, 1, 1))},
                 {"floor.bmp", Bitmap(kFloorMark)},
                 {"wall.bmp", Bitmap(qRgb(3, 3, 3))}});
}

// Runs in a folder of its own, which plain texture names are relative to.
class TextureLoader : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        QDir::setCurrent(dir_.path());
        UseTextureRM(&rm_);
    }

    void TearDown() override
    {
        FreeTextureLoader();
        UseTextureRM(nullptr);
    }

    static void Write(const QString& name, const QByteArray& bytes)
    {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    void OpenPack(const QByteArray& bytes)
    {
        Write("bmp.mte", bytes);
        LoadTextureHeader("bmp.mte");
    }

    rm::HRESULT Load(const char* name)
    {
        texture_.reset();
        return LoadTextureCallback(name, nullptr, texture_);
    }

    QTemporaryDir dir_;
    CurrentFolderGuard keep_;
    RecordingRM rm_;
    rm::Ptr<rm::Texture3> texture_;
};

TEST_F(TextureLoader, FindsAPackedTextureWhateverTheCaseOfItsName)
{
    OpenPack(ThreeTexturePack());
    Write("floor.bmp", Bitmap(kFileMark));
    std::string name = "Floor.BMP";

    ASSERT_EQ(LoadTextureCallback(name.c_str(), nullptr, texture_), rm::D3DRM_OK);
    EXPECT_EQ(name, "Floor.BMP") << "the caller's name is left as it was";
    ASSERT_TRUE(texture_);
    EXPECT_EQ(Mark(texture_), kFloorMark) << "the pack's texture, not the file";
    EXPECT_EQ(texture_->GetImage()->width, 4);
    EXPECT_EQ(static_cast<const std::uint8_t*>(texture_->GetImage()->buffer1)[3], 1) << "top row first";
    EXPECT_EQ(LastTexture(), texture_);
    EXPECT_TRUE(texture_->DecalTransparency());
    EXPECT_EQ(texture_->DecalTransparentColor(), 0xFF7F7F7Fu);

    // Every entry of the table is reached.
    ASSERT_EQ(Load("A.BMP"), rm::D3DRM_OK);
    EXPECT_EQ(Mark(texture_), qRgb(1, 1, 1));
    ASSERT_EQ(Load("wall.bmp"), rm::D3DRM_OK);
    EXPECT_EQ(Mark(texture_), qRgb(3, 3, 3));
}

TEST_F(TextureLoader, PassesEachTextureThroughAnOwnTemporaryFileThatIsGoneAfterwards)
{
    OpenPack(ThreeTexturePack());
    ASSERT_EQ(Load("floor.bmp"), rm::D3DRM_OK);
    ASSERT_EQ(Load("wall.bmp"), rm::D3DRM_OK);

    ASSERT_EQ(rm_.asked.size(), 2u);
    EXPECT_EQ(rm_.asked[0], rm_.asked[1]) << "one name for the pack";
    const QFileInfo transfer(QFile::decodeName(rm_.asked[0].c_str()));
    EXPECT_EQ(transfer.absolutePath(), QFileInfo(QDir::tempPath()).absoluteFilePath());
    EXPECT_TRUE(transfer.fileName().startsWith("TEX"));
    EXPECT_EQ(transfer.suffix(), "bmp");
    EXPECT_TRUE(rm_.existed[0] && rm_.existed[1]);
    EXPECT_FALSE(transfer.exists());

    // A file someone else puts under that name is neither written nor read.
    Write(transfer.absoluteFilePath(), "not ours");
    EXPECT_EQ(Load("floor.bmp"), rm::D3DRMERR_BADFILE);
    QFile foreign(transfer.absoluteFilePath());
    ASSERT_TRUE(foreign.open(QIODevice::ReadOnly));
    EXPECT_EQ(foreign.readAll(), "not ours");
    foreign.remove();
}

TEST_F(TextureLoader, APackNeverFallsBackToFiles)
{
    OpenPack(ThreeTexturePack());
    Write("grass.bmp", Bitmap(kFileMark));
    ASSERT_EQ(Load("floor.bmp"), rm::D3DRM_OK);
    ASSERT_TRUE(LastTexture());

    EXPECT_EQ(Load("grass.bmp"), rm::D3DRMERR_BADFILE);
    EXPECT_FALSE(texture_);
    EXPECT_FALSE(LastTexture()) << "a failure leaves no last texture";
    EXPECT_EQ(Load("a-name-longer-than-a-table-name.bmp"), rm::D3DRMERR_BADFILE);
    EXPECT_EQ(rm_.asked.size(), 1u);

    // Without the pack the same name comes from the file.
    LoadTextureHeader(nullptr);
    ASSERT_EQ(Load("grass.bmp"), rm::D3DRM_OK);
    EXPECT_EQ(Mark(texture_), kFileMark);
    EXPECT_EQ(LastTexture(), texture_);
    EXPECT_TRUE(texture_->DecalTransparency());
}

TEST_F(TextureLoader, TexturePathIsPutStraightBeforeTheNameThenTheBareNameIsTried)
{
    ASSERT_TRUE(QDir().mkdir("models"));
    Write("models/wall.bmp", Bitmap(qRgb(1, 1, 1)));
    Write("modelswall.bmp", Bitmap(qRgb(2, 2, 2)));
    Write("wall.bmp", Bitmap(qRgb(3, 3, 3)));

    SetTexturePath("models");
    ASSERT_EQ(Load("wall.bmp"), rm::D3DRM_OK);
    EXPECT_EQ(Mark(texture_), qRgb(2, 2, 2)) << "no separator is added";

    SetTexturePath("textures/");
    ASSERT_EQ(Load("wall.bmp"), rm::D3DRM_OK);
    EXPECT_EQ(Mark(texture_), qRgb(3, 3, 3));
    EXPECT_EQ(rm_.asked, (std::vector<std::string>{"modelswall.bmp", "textures/wall.bmp", "wall.bmp"}));

    SetTexturePath(std::string(300, 'p').c_str());
    ASSERT_EQ(Load("wall.bmp"), rm::D3DRM_OK) << "an over-long joined name is not tried";
    EXPECT_EQ(rm_.asked.back(), "wall.bmp");
    EXPECT_EQ(rm_.asked.size(), 4u);

    EXPECT_EQ(Load("none.bmp"), rm::D3DRMERR_BADFILE);
    EXPECT_FALSE(LastTexture());
}

TEST_F(TextureLoader, WithoutAFactoryNothingLoads)
{
    Write("wall.bmp", Bitmap(kFileMark));
    UseTextureRM(nullptr);
    EXPECT_EQ(Load("wall.bmp"), rm::D3DRMERR_BADOBJECT);
    EXPECT_FALSE(texture_);
    EXPECT_FALSE(LastTexture());
}

TEST_F(TextureLoader, ABrokenTextureInThePackFailsAndLeavesNoFileBehind)
{
    OpenPack(Pack({{"floor.bmp", QByteArray("BM").append(100, '\x7f')}}));
    EXPECT_EQ(Load("floor.bmp"), rm::D3DRMERR_BADFILE);
    ASSERT_EQ(rm_.asked.size(), 1u);
    EXPECT_FALSE(QFile::exists(QFile::decodeName(rm_.asked[0].c_str())));
    EXPECT_FALSE(LastTexture());
}

TEST_F(TextureLoader, ANewPackReplacesTheOldAndFreeingDropsEverything)
{
    OpenPack(Pack({{"floor.bmp", Bitmap(qRgb(1, 1, 1))}}));
    Write("other.mte", Pack({{"floor.bmp", Bitmap(qRgb(2, 2, 2))}}));
    LoadTextureHeader("other.mte");
    ASSERT_EQ(Load("floor.bmp"), rm::D3DRM_OK);
    EXPECT_EQ(Mark(texture_), qRgb(2, 2, 2));

    Write("floor.bmp", Bitmap(kFileMark));
    FreeTextureLoader();
    EXPECT_FALSE(LastTexture());
    ASSERT_EQ(Load("floor.bmp"), rm::D3DRM_OK);
    EXPECT_EQ(Mark(texture_), kFileMark);
}

struct BadPack {
    const char* what;
    QByteArray (*bytes)();
    bool held; // a held pack fails the texture; one not held leaves textures to the files
};

template <class T>
QByteArray Patched(QByteArray bytes, int offset, T value)
{
    qToLittleEndian(value, bytes.data() + offset);
    return bytes;
}

QByteArray FloorPack()
{
    return Pack({{"floor.bmp", Bitmap(kFloorMark)}});
}

const BadPack kBadPacks[] = {
    {"empty file", [] { return QByteArray(); }, false},
    {"count cut short", [] { return QByteArray(2, '\x01'); }, false},
    {"negative count", [] { return Patched<std::int32_t>(FloorPack(), 0, -1); }, false},
    {"count beyond the file", [] { return Patched<std::int32_t>(FloorPack(), 0, 0x7FFFFFFF); }, false},
    {"table cut short", [] { return FloorPack().left(4 + 19); }, false},
    {"name without its end", [] {
         QByteArray bytes = FloorPack();
         bytes.replace(4, kTexturePackNameBytes, QByteArray(kTexturePackNameBytes, 'a'));
         return bytes;
     }, false},
    {"offset past the end", [] { return Patched<std::uint32_t>(FloorPack(), 4 + 16, 0xFFFFFFF0); }, true},
    {"data cut short", [] { return FloorPack().chopped(1); }, true},
    {"offset into the last bytes", [] { return Patched<std::uint32_t>(FloorPack(), 4 + 16, 4 + 20 + 100); }, true},
};

class DamagedPack : public TextureLoader, public ::testing::WithParamInterface<BadPack> {};

TEST_P(DamagedPack, NeverReadsPastItsTable)
{
    Write("floor.bmp", Bitmap(kFileMark));
    OpenPack(GetParam().bytes());
    if (GetParam().held) {
        EXPECT_EQ(Load("floor.bmp"), rm::D3DRMERR_BADFILE) << GetParam().what;
        EXPECT_TRUE(rm_.asked.empty());
        EXPECT_FALSE(LastTexture());
    } else {
        ASSERT_EQ(Load("floor.bmp"), rm::D3DRM_OK) << GetParam().what;
        EXPECT_EQ(Mark(texture_), kFileMark) << "not held: the file is used";
    }
}

INSTANTIATE_TEST_SUITE_P(Packs, DamagedPack, ::testing::ValuesIn(kBadPacks));

TEST_F(TextureLoader, AMissingPackLeavesTexturesToTheFiles)
{
    Write("floor.bmp", Bitmap(kFileMark));
    LoadTextureHeader("no-such.mte");
    ASSERT_EQ(Load("floor.bmp"), rm::D3DRM_OK);
    EXPECT_EQ(Mark(texture_), kFileMark);
}

} // namespace

namespace {

// Packs that are no packs at all: each leaves the textures to the files, without waiting or
// allocating for what it claims.
TEST_F(TextureLoader, APipeADeviceOrAHugeSparseTableIsNoPack)
{
    Write("floor.bmp", Bitmap(kFileMark));
    ASSERT_TRUE(MakePipe(QStringLiteral("pipe.mte")));
    EXPECT_TRUE(ReturnsInTime([] { LoadTextureHeader("pipe.mte"); }, QStringLiteral("pipe.mte")));
    ASSERT_EQ(Load("floor.bmp"), rm::D3DRM_OK);

    ASSERT_TRUE(LinkToZeroDevice(QStringLiteral("zero.mte")));
    LoadTextureHeader("zero.mte");
    ASSERT_EQ(Load("floor.bmp"), rm::D3DRM_OK);

    constexpr std::int32_t kCount = 100'000'000; // a table of 2 GB
    ASSERT_TRUE(WriteSparseFile(QStringLiteral("sparse.mte"), Patched<std::int32_t>(FloorPack(), 0, kCount),
                                4 + std::int64_t{20} * kCount + kTexturePackEntryBytes));
    LoadTextureHeader("sparse.mte");
    ASSERT_EQ(Load("floor.bmp"), rm::D3DRM_OK);
    EXPECT_EQ(Mark(texture_), kFileMark);
}

} // namespace
