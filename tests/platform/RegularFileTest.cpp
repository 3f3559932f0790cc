#include "rm/MeshBuilder.h"
#include "support/HostileFiles.h"
#include "win/BitmapFile.h"
#include "win/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class RegularFile : public ::testing::Test {
protected:
    QString Write(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QTemporaryDir dir_;
};

TEST_F(RegularFile, ReadsAWholeFileUpToItsLimitAndNotAByteMore)
{
    const QString path = Write(QStringLiteral("ten"), "0123456789");
    EXPECT_EQ(win::ReadRegularFile(path, 10), QByteArray("0123456789"));
    EXPECT_EQ(win::ReadRegularFile(path, 9), std::nullopt);
    EXPECT_EQ(win::ReadRegularFile(Write(QStringLiteral("empty"), {}), 0), QByteArray());
    EXPECT_EQ(win::ReadRegularFile(dir_.filePath(QStringLiteral("missing")), 10), std::nullopt);
    EXPECT_EQ(win::ReadRegularFile(dir_.path(), 10), std::nullopt); // a folder
    EXPECT_EQ(win::ReadRegularFile(QString(), 10), std::nullopt);

    // A link to a regular file is that file.
    ASSERT_TRUE(QFile::link(path, dir_.filePath(QStringLiteral("link"))));
    EXPECT_EQ(win::ReadRegularFile(dir_.filePath(QStringLiteral("link")), 10), QByteArray("0123456789"));
    QFile file;
    ASSERT_TRUE(win::OpenRegularFile(path, file));
    EXPECT_EQ(file.size(), 10);
    EXPECT_TRUE(file.seek(4));
    EXPECT_EQ(file.read(3), QByteArray("456"));
}

// Every reader of files a user can swap on disk, each true when it read something.
struct Reader {
    const char* what;
    bool (*read)(const QString& path);
};

const Reader kReaders[] = {
    {"plain read", [](const QString& path) { return win::ReadRegularFile(path, 1 << 20).has_value(); }},
    {"bitmap", [](const QString& path) { return !win::ReadBitmapFile(path).isNull(); }},
    {"model file", [](const QString& path) {
         auto mesh = rm::MakePtr<rm::MeshBuilder3>();
         return mesh->Load(QFile::encodeName(path).constData(), nullptr, rm::D3DRMLOAD_FROMFILE, nullptr, nullptr)
             == rm::D3DRM_OK;
     }},
};

class HostileFile : public RegularFile, public ::testing::WithParamInterface<Reader> {};

TEST_P(HostileFile, APipeIsRefusedWithoutWaitingForAWriter)
{
    const QString pipe = dir_.filePath(QStringLiteral("picture.bmp"));
    ASSERT_TRUE(MakePipe(pipe));
    bool read = true;
    EXPECT_TRUE(ReturnsInTime([&] { read = GetParam().read(pipe); }, pipe)) << GetParam().what;
    EXPECT_FALSE(read) << GetParam().what;
}

TEST_P(HostileFile, ALinkToAnEndlessDeviceIsRefused)
{
    const QString link = dir_.filePath(QStringLiteral("picture.bmp"));
    ASSERT_TRUE(LinkToZeroDevice(link));
    EXPECT_FALSE(GetParam().read(link)) << GetParam().what;
    EXPECT_FALSE(GetParam().read(QStringLiteral("/dev/zero"))) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(Readers, HostileFile, ::testing::ValuesIn(kReaders));

} // namespace
