// Every file the program writes, on a disk that fills up: the older file stays as it was, no
// temporary file is left, and the fault says why. Each writer meets each failure point: a write
// with no room at all, the last write of a file cut short, the sync and the close failing (a
// planted fault, as win::WholeFile's seam gives it), and a real small file system filled up (a
// tmpfs, where this test may mount one).

#include "dialogs/AnimationExport.h"
#include "dialogs/PageExport.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "program/ProgramFile.h"
#include "storage/NotebookReader.h"
#include "storage/NotebookWriter.h"
#include "storage/RecoveryCopy.h"
#include "teach/OwnCommandStore.h"
#include "win/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <map>
#include <optional>

#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

std::array<std::uint8_t, kSheetBytes> Drawing(std::uint8_t seed)
{
    std::array<std::uint8_t, kSheetBytes> image{};
    // Noise that no coder squeezes much: every file is tens of kilobytes.
    std::uint32_t state = 2463534242u + seed;
    for (std::uint8_t& pixel : image) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        pixel = static_cast<std::uint8_t>(state % 16);
    }
    return image;
}

NotebookContent Notebook(std::uint8_t seed)
{
    NotebookContent content;
    content.Pages.resize(2);
    for (PageContent& page : content.Pages) {
        const auto image = Drawing(seed++);
        std::copy(image.begin(), image.end(), page.Image.begin());
        page.Record = StartedRecord(page.Image.data(), page.Turtle);
    }
    return content;
}

OwnCommandPtr Command(const QString& name)
{
    auto command = std::make_shared<OwnCommand>();
    command->Name = name;
    // Long enough that the row's file is some kilobytes.
    std::vector<RecordEntry> steps;
    for (int i = 0; i < 300; ++i)
        steps.push_back(EntryOf(i % 2 ? RecordOp::Right : RecordOp::Forward, 1 + i % 90));
    command->Steps = DrawingRecord::Of(steps);
    return command;
}

// The bytes of every file in a folder, hidden ones too, by name.
std::map<QString, QByteArray> FolderBytes(const QString& folder)
{
    std::map<QString, QByteArray> files;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            files[name] = file.readAll();
    }
    return files;
}

// One writer: writes its second version into `folder` over the first, and tells why it failed
// (0 when it did not). `first` writes the first version, fault-free.
struct Writer {
    const char* name;
    std::function<void(const QString& folder)> first;
    std::function<int(const QString& folder)> second;
};

std::unique_ptr<RecoveryCopy> copyInUse;

std::vector<Writer> Writers()
{
    const auto pictureOf = [](std::uint8_t seed) {
        static std::array<std::uint8_t, kSheetBytes> images[2];
        images[seed % 2] = Drawing(seed);
        return SharedPage{images[seed % 2].data(), QStringLiteral("Dom"), 1};
    };
    return {
        {"notebook",
         [](const QString& folder) { NotebookWriter().Save(folder, QStringLiteral("DOM"), Notebook(1)); },
         [](const QString& folder) {
             const SaveResult result = NotebookWriter().Save(folder, QStringLiteral("DOM"), Notebook(7));
             return result.Fault == NotebookFault::None ? 0 : result.Error;
         }},
        {"recovery copy",
         [](const QString& folder) {
             std::error_code trouble;
             copyInUse = RecoveryCopy::Create(QDir(folder).filePath(QStringLiteral("Odzysk")), trouble);
             copyInUse->Write(Notebook(1), QStringLiteral("DOM"));
         },
         [](const QString&) { return copyInUse->Write(Notebook(7), QStringLiteral("DOM")).value(); }},
        {"own-command row",
         [](const QString& folder) {
             WriteOwnCommands(QDir(folder).filePath(QStringLiteral("polecenia.json")), {Command(QStringLiteral("Bok"))});
         },
         [](const QString& folder) {
             DrawingRecord::CommandList commands;
             for (const char* name : {"Bok", "Kwadrat", "Dom", "Okno", "Drzwi", "Płot"})
                 commands.push_back(Command(QString::fromUtf8(name) + QStringLiteral("x")));
             int error = 0;
             WriteOwnCommands(QDir(folder).filePath(QStringLiteral("polecenia.json")), commands, &error);
             return error;
         }},
        {"picture (Ctrl+E)",
         [pictureOf](const QString& folder) {
             ScriptedMessageBoxes boxes;
             PageExport(pictureOf(1), PageEdges::Smooth).SaveTo(QDir(folder).filePath(QStringLiteral("Dom.png")));
         },
         [pictureOf](const QString& folder) {
             ScriptedMessageBoxes boxes;
             if (PageExport(pictureOf(2), PageEdges::Smooth).SaveTo(QDir(folder).filePath(QStringLiteral("Dom.png"))))
                 return 0;
             const QString said = boxes.Shown().empty() ? QString() : boxes.Shown()[0].text;
             return said.contains(win::WriteErrorText(ENOSPC)) ? ENOSPC : EIO;
         }},
        {"animation (Ctrl+Shift+E)",
         [](const QString& folder) {
             QFile old(QDir(folder).filePath(QStringLiteral("Dom.gif")));
             old.open(QIODevice::WriteOnly);
             old.write("GIF89a an older animation");
         },
         [pictureOf](const QString& folder) {
             ScriptedMessageBoxes boxes;
             const SharedPage page = pictureOf(3);
             DrawingRecord record = StartedRecord(page.image, TTurtleState{});
             for (int i = 0; i < 12; ++i) {
                 record.Append(EntryOf(RecordOp::Forward, 60));
                 record.Append(EntryOf(RecordOp::Right, 150));
             }
             if (AnimationExport(page, record, TTurtleState{}).SaveTo(QDir(folder).filePath(QStringLiteral("Dom.gif")), nullptr))
                 return 0;
             const QString said = boxes.Shown().empty() ? QString() : boxes.Shown()[0].text;
             return said.contains(win::WriteErrorText(ENOSPC)) ? ENOSPC : EIO;
         }},
        {"program (Zapisz program)",
         [](const QString& folder) { WriteProgramFile(QDir(folder).filePath(QStringLiteral("Dom.txt")), QStringLiteral("naprzód 50\n")); },
         [](const QString& folder) {
             // Long enough to reach past the last write's edge.
             const QString said = WriteProgramFile(QDir(folder).filePath(QStringLiteral("Dom.txt")),
                                                   QStringLiteral("powtórz 4 [naprzód 50 prawo 90]\n").repeated(400));
             return said.isEmpty() ? 0 : said.contains(win::WriteErrorText(ENOSPC)) ? ENOSPC : EIO;
         }},
    };
}

struct Fault {
    const char* name;
    win::WriteFault fault;
};

const Fault kFaults[] = {
    {"no room at all", {.RoomBytes = 0}},
    {"the last write cut short", {.RoomBytes = 4095}},
    {"the sync fails", {.FailSync = true}},
    {"the close fails", {.FailClose = true}},
};

class FullDisk : public ::testing::Test {
protected:
    void TearDown() override
    {
        win::PlantWriteFault(std::nullopt);
        copyInUse.reset();
    }
};

// What every row checks: the writer failed and said there is no room, the folder holds what it
// held before, byte for byte, and no temporary file.
void ExpectOldFilesKept(const Writer& writer, const QString& folder, const char* fault)
{
    const auto before = FolderBytes(folder);
    const int error = writer.second(folder);
    win::PlantWriteFault(std::nullopt);
    EXPECT_EQ(error, ENOSPC) << writer.name << ", " << fault;
    const auto after = FolderBytes(folder);
    EXPECT_EQ(after.size(), before.size()) << writer.name << ", " << fault;
    for (const auto& [name, bytes] : before) {
        const auto found = after.find(name);
        ASSERT_NE(found, after.end()) << writer.name << ", " << fault << ": " << name.toStdString();
        EXPECT_TRUE(found->second == bytes) << writer.name << ", " << fault << ": " << name.toStdString() << " changed";
    }
    for (const auto& [name, bytes] : after)
        EXPECT_FALSE(win::WholeFile::IsTemporaryName(name)) << writer.name << ", " << fault << ": " << name.toStdString();
}

TEST_F(FullDisk, EveryWriterKeepsTheOlderFileAtEveryFailurePoint)
{
    for (const Writer& writer : Writers()) {
        for (const Fault& fault : kFaults) {
            QTemporaryDir root;
            writer.first(root.path());
            // The recovery copy writes in a folder of its own.
            const QString folder = copyInUse ? QDir(root.path()).filePath(QStringLiteral("Odzysk")) : root.path();
            ASSERT_FALSE(FolderBytes(folder).empty() && !copyInUse) << writer.name;
            win::PlantWriteFault(fault.fault);
            if (copyInUse) {
                // The copy's last whole notebook stays readable, and is marked as behind.
                EXPECT_EQ(copyInUse->Write(Notebook(7), QStringLiteral("DOM")).value(), fault.fault.Error) << fault.name;
                win::PlantWriteFault(std::nullopt);
                const std::optional<RecoveredNotebook> kept = copyInUse->Read();
                ASSERT_TRUE(kept) << fault.name;
                EXPECT_EQ(kept->Content.Pages[0].Image, Notebook(1).Pages[0].Image) << fault.name;
                EXPECT_TRUE(kept->Behind) << fault.name;
                copyInUse.reset();
                continue;
            }
            ExpectOldFilesKept(writer, folder, fault.name);
        }
    }
}

TEST_F(FullDisk, WithoutAFaultEveryWriterWrites)
{
    for (const Writer& writer : Writers()) {
        QTemporaryDir root;
        writer.first(root.path());
        EXPECT_EQ(writer.second(root.path()), 0) << writer.name;
    }
}

// A small tmpfs, filled but for a few kilobytes: a real full disk.
class SmallFileSystem {
public:
    explicit SmallFileSystem(const QString& at) : at_(at)
    {
        mounted_ = ::mount("tmpfs", QFile::encodeName(at).constData(), "tmpfs", 0, "size=1m") == 0;
    }
    ~SmallFileSystem()
    {
        if (mounted_)
            ::umount2(QFile::encodeName(at_).constData(), MNT_DETACH);
    }
    bool Mounted() const { return mounted_; }
    // Leaves about `room` bytes free.
    void Fill(qint64 room)
    {
        QFile filler(QDir(at_).filePath(QStringLiteral("wypełniacz")));
        filler.open(QIODevice::WriteOnly | QIODevice::Append);
        const QByteArray block(1024, 'x');
        for (;;) {
            const qint64 free = FreeBytes();
            if (free <= room)
                break;
            if (filler.write(block.left(static_cast<qsizetype>(std::min<qint64>(1024, free - room)))) <= 0 || !filler.flush())
                break;
        }
    }
    qint64 FreeBytes() const;

private:
    QString at_;
    bool mounted_ = false;
};

} // namespace

qint64 SmallFileSystem::FreeBytes() const
{
    struct statvfs status {};
    if (::statvfs(QFile::encodeName(at_).constData(), &status) != 0)
        return 0;
    return static_cast<qint64>(status.f_bavail) * static_cast<qint64>(status.f_frsize);
}

namespace {

TEST_F(FullDisk, OnAFilledSmallFileSystemEveryWriterKeepsTheOlderFile)
{
    for (const Writer& writer : Writers()) {
        QTemporaryDir root;
        SmallFileSystem disk(root.path());
        if (!disk.Mounted())
            GTEST_SKIP() << "no tmpfs can be mounted here (not root?): the planted faults stand in";
        writer.first(root.path());
        const QString folder = copyInUse ? QDir(root.path()).filePath(QStringLiteral("Odzysk")) : root.path();
        disk.Fill(4096);
        if (copyInUse) {
            EXPECT_EQ(copyInUse->Write(Notebook(7), QStringLiteral("DOM")).value(), ENOSPC) << writer.name;
            const std::optional<RecoveredNotebook> kept = copyInUse->Read();
            ASSERT_TRUE(kept) << writer.name;
            EXPECT_EQ(kept->Content.Pages[0].Image, Notebook(1).Pages[0].Image);
            copyInUse.reset();
            continue;
        }
        ExpectOldFilesKept(writer, folder, "a full tmpfs");
    }
}

} // namespace
