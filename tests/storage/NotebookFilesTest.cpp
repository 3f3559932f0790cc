#include "support/HostileFiles.h"
#include "storage/NotebookFolder.h"
#include "storage/NotebookIndex.h"
#include "storage/NotebookList.h"
#include "storage/NotebookLock.h"
#include "storage/NotebookReader.h"
#include "storage/NotebookSwitch.h"
#include "storage/NotebookWriter.h"
#include "win/WholeFile.h"
#include "storage/OwnPageBitmap.h"
#include "storage/PagePicture.h"
#include "turtle/SheetColors.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cerrno>
#include <csignal>
#include <random>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace {

constexpr std::uint8_t kRed = 9;
constexpr std::uint8_t kBlue = 12;
constexpr std::uint8_t kWhite = 15;

// Eight pages, each with a drawing and a turtle of its own, page 6 current.
NotebookContent EightPages()
{
    NotebookContent content;
    content.Pages.resize(8);
    for (int p = 0; p < 8; ++p) {
        PageContent& page = content.Pages[static_cast<std::size_t>(p)];
        for (int i = 0; i < kSheetBytes; ++i)
            page.Image[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>((i / 7 + p * 3 + i % 5) % 16);
        page.Turtle = {p % 2 == 0, p == 3, 1 + p % 3, p, 1 + p, 15 - p, p % 3, 1.25 * p - 3.1, -0.1 * p, 0.7 * p + 1e-9};
    }
    content.CurrentPage = 5;
    return content;
}

void ExpectSameNotebook(const NotebookContent& got, const NotebookContent& want)
{
    ASSERT_EQ(got.Pages.size(), want.Pages.size());
    EXPECT_EQ(got.CurrentPage, want.CurrentPage);
    for (std::size_t p = 0; p < want.Pages.size(); ++p) {
        const TTurtleState& a = got.Pages[p].Turtle;
        const TTurtleState& b = want.Pages[p].Turtle;
        EXPECT_TRUE(a == b) << "turtle of page " << p + 1;
        EXPECT_EQ(a.X, b.X) << "positions come back to the last bit";
        EXPECT_EQ(a.Heading, b.Heading);
        EXPECT_TRUE(got.Pages[p].Image == want.Pages[p].Image) << "pixels of page " << p + 1;
    }
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

class NotebookFilesTest : public ::testing::Test {
protected:
    QString Path(const QString& file) const { return QDir(dir.path()).filePath(file); }
    QStringList Files() const { return QDir(dir.path()).entryList(QDir::Files, QDir::Name); }
    NotebookFault Save(const NotebookContent& content, const QString& name = QStringLiteral("DOM"))
    {
        return NotebookWriter().Save(dir.path(), name, content).Fault;
    }

    QTemporaryDir dir;
};

TEST_F(NotebookFilesTest, EightPagesComeBackWithEveryPixelAndTurtleField)
{
    const NotebookContent saved = EightPages();
    ASSERT_EQ(Save(saved), NotebookFault::None);
    EXPECT_EQ(Files(), QStringList({"DOM.qel3d", "DOM1.bmp", "DOM2.bmp", "DOM3.bmp", "DOM4.bmp", "DOM5.bmp",
                                    "DOM6.bmp", "DOM7.bmp", "DOM8.bmp"}))
        << "no temporary file is left behind";

    const NotebookReading reading = ReadNotebook(dir.path(), QStringLiteral("DOM"));
    ASSERT_EQ(reading.Fault, NotebookFault::None);
    ExpectSameNotebook(reading.Content, saved);
}

TEST_F(NotebookFilesTest, PagesArePalettedPicturesTheWayUpTheChildSeesThem)
{
    NotebookContent content;
    content.Pages.resize(1);
    std::vector<std::uint8_t>& image = content.Pages[0].Image;
    std::fill(image.begin(), image.end(), kWhite);
    image[10 * kSheetSize + 200] = kRed; // row 10, near the top on the right
    ASSERT_EQ(Save(content, QStringLiteral("Żółw")), NotebookFault::None);

    const QImage picture(Path(QStringLiteral("Żółw1.bmp")), "BMP");
    ASSERT_EQ(picture.size(), QSize(256, 256));
    EXPECT_EQ(picture.format(), QImage::Format_Indexed8);
    EXPECT_EQ(picture.pixel(200, 10), qRgb(255, 0, 0));
    EXPECT_EQ(picture.pixel(200, 245), qRgb(255, 255, 255));
    EXPECT_LT(ReadAll(Path(QStringLiteral("Żółw1.bmp"))).size(), 70 * 1024) << "one byte per pixel";
}

TEST_F(NotebookFilesTest, SavingFewerPagesRemovesThePicturesOfTheOthers)
{
    ASSERT_EQ(Save(EightPages()), NotebookFault::None);
    NotebookContent three = EightPages();
    three.Pages.resize(3);
    three.CurrentPage = 2;
    ASSERT_EQ(Save(three), NotebookFault::None);
    EXPECT_EQ(Files(), QStringList({"DOM.qel3d", "DOM1.bmp", "DOM2.bmp", "DOM3.bmp"}));
    ExpectSameNotebook(ReadNotebook(dir.path(), QStringLiteral("DOM")).Content, three);
}

// Fails the n-th file write of a save as a full disk does, or every move into place from the
// n-th on.
class FailingWriter final : public NotebookWriter {
public:
    FailingWriter(int failingWrite, int failingMove) : failingWrite_(failingWrite), failingMove_(failingMove) {}

private:
    bool Write(win::WholeFile& file, const QByteArray& bytes) override
    {
        if (++writes_ == failingWrite_) {
            NotebookWriter::Write(file, bytes.left(bytes.size() / 2)); // half a file, as when the disk fills up
            errno = ENOSPC;
            return false;
        }
        return NotebookWriter::Write(file, bytes);
    }
    bool Replace(const QString& written, const QString& path) override
    {
        if (failingMove_ > 0 && ++moves_ >= failingMove_) {
            errno = EIO;
            return false;
        }
        return NotebookWriter::Replace(written, path);
    }
    int failingWrite_, failingMove_;
    int writes_ = 0, moves_ = 0;
};

TEST_F(NotebookFilesTest, ASaveFailingBeforeItsMovesLeavesTheOldNotebookAndOneFailingAmongThemIsFinishedOnOpening)
{
    const NotebookContent old = EightPages();
    ASSERT_EQ(Save(old), NotebookFault::None);
    const QStringList before = Files();
    NotebookContent changed = EightPages();
    for (PageContent& page : changed.Pages)
        std::fill(page.Image.begin(), page.Image.end(), kBlue);
    changed.Pages.resize(3);
    changed.CurrentPage = 2;

    // Every file: three pages and the index, written and then moved.
    for (int write = 1; write <= 4; ++write) {
        const SaveResult result = FailingWriter(write, 0).Save(dir.path(), "DOM", changed);
        EXPECT_EQ(result.Fault, NotebookFault::CannotWrite);
        EXPECT_EQ(result.Error, ENOSPC) << "the cause is told";
        EXPECT_TRUE(result.HadNotebook);
        EXPECT_EQ(Files(), before) << "write " << write << ": nothing replaced, nothing left behind";
        ExpectSameNotebook(ReadNotebook(dir.path(), QStringLiteral("DOM")).Content, old);
    }
    for (int move = 1; move <= 4; ++move) {
        ASSERT_EQ(Save(old), NotebookFault::None);
        EXPECT_EQ(FailingWriter(0, move).Save(dir.path(), "DOM", changed).Fault, NotebookFault::PartlyWritten)
            << "move " << move;
        const NotebookReading finished = ReadNotebook(dir.path(), QStringLiteral("DOM"));
        ASSERT_EQ(finished.Fault, NotebookFault::None) << "move " << move;
        ExpectSameNotebook(finished.Content, changed);
        EXPECT_EQ(Files(), QStringList({"DOM.qel3d", "DOM1.bmp", "DOM2.bmp", "DOM3.bmp"})) << "move " << move;
    }
}

TEST(SaveFaultTexts, NameTheCauseAndAPreviousCopyOnlyWhenThereWasOne)
{
    const struct {
        int error;
        const char* cause;
    } cases[] = {{ENOSPC, "brakuje miejsca"}, {EACCES, "uprawnień"}, {EROFS, "tylko do odczytu"},
                 {ENAMETOOLONG, "za długa"}, {ENOTDIR, "jest plik"}, {EIO, "nie odpowiada"},
                 {EINVAL, "błąd zapisu"}};
    for (const auto& c : cases) {
        for (const bool had : {false, true}) {
            const QString text = CannotWriteText("DOM", "/n", c.error, had);
            EXPECT_TRUE(text.contains(QString::fromUtf8(c.cause))) << text.toStdString();
            EXPECT_EQ(text.contains("Poprzednia kopia"), had) << text.toStdString();
        }
    }
}

TEST(NotebookFaultTexts, LostPagesAreToldByTheirNumbers)
{
    const struct {
        std::vector<int> pages;
        bool kept;
        const char* text;
    } cases[] = {
        {{2}, false, "W zeszycie DOM nie udało się odczytać strony 2. Zamiast niej jest pusta strona."},
        {{2, 5}, false, "W zeszycie DOM nie udało się odczytać stron 2 i 5. Zamiast nich są puste strony."},
        {{1, 3, 8}, true,
         "W zeszycie DOM nie udało się odczytać stron 1, 3 i 8. Zamiast nich są puste strony. Gdy zapiszesz "
         "zeszyt, pliki tych stron zostaną zachowane obok niego pod nowymi nazwami."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LostPagesText(QStringLiteral("DOM"), c.pages, c.kept).toStdString(), c.text);
}

TEST_F(NotebookFilesTest, TheLongestNameTheFolderTakesSavesWholeAndALongerOneWritesNothing)
{
    // "ż" is two bytes: the index name of 243 bytes is the one that used to fail last.
    const QString longest = QString(121, QChar(0x017C)) + QStringLiteral("a");
    ASSERT_EQ(Save(EightPages(), longest), NotebookFault::None);
    ExpectSameNotebook(ReadNotebook(dir.path(), longest).Content, EightPages());
    const QStringList before = Files();
    EXPECT_EQ(Save(EightPages(), longest + QStringLiteral("aaaaaaa")), NotebookFault::CannotWrite);
    EXPECT_EQ(Files(), before);
}

TEST_F(NotebookFilesTest, SavingReplacesALinkedPageInsteadOfWritingThroughIt)
{
    NotebookContent other;
    other.Pages.resize(1);
    std::fill(other.Pages[0].Image.begin(), other.Pages[0].Image.end(), kRed);
    ASSERT_EQ(Save(other, QStringLiteral("INNY")), NotebookFault::None);
    const QByteArray otherPage = ReadAll(PagePath(dir.path(), "INNY", 1));
    ASSERT_TRUE(QFile::link(PagePath(dir.path(), "INNY", 1), PagePath(dir.path(), "DOM", 1)));

    ASSERT_EQ(Save(EightPages()), NotebookFault::None);
    EXPECT_EQ(ReadAll(PagePath(dir.path(), "INNY", 1)), otherPage);
    EXPECT_FALSE(QFileInfo(PagePath(dir.path(), "DOM", 1)).isSymLink());
    ExpectSameNotebook(ReadNotebook(dir.path(), QStringLiteral("DOM")).Content, EightPages());
}

TEST_F(NotebookFilesTest, EachSaveCountsAndASaveExpectingAnotherCountWritesNothing)
{
    NotebookWriter writer;
    EXPECT_EQ(writer.Save(dir.path(), "DOM", EightPages(), 0).SaveCounter, 1u) << "no index counts 0";
    EXPECT_EQ(writer.Save(dir.path(), "DOM", EightPages()).SaveCounter, 2u);
    EXPECT_EQ(ReadNotebook(dir.path(), QStringLiteral("DOM")).SaveCounter, 2u);

    NotebookContent mine = EightPages();
    mine.Pages.resize(1);
    mine.CurrentPage = 0;
    const QStringList before = Files();
    for (const std::uint64_t expected : {0, 1, 3}) {
        const SaveResult result = writer.Save(dir.path(), "DOM", mine, expected);
        EXPECT_EQ(result.Fault, NotebookFault::SavedElsewhere) << expected;
        EXPECT_EQ(result.SaveCounter, 2u) << "the counter the other copy left";
        EXPECT_EQ(Files(), before);
    }
    EXPECT_EQ(writer.Save(dir.path(), "DOM", mine, 2).SaveCounter, 3u);
    EXPECT_EQ(ReadNotebook(dir.path(), QStringLiteral("DOM")).Content.Pages.size(), 1u);
}

// What a lock file beside the notebook may be left holding, and whether a copy is saving.
struct LockCase {
    const char* what;
    std::function<void(const QString& lockPath)> leave;
};

class LeftLock : public NotebookFilesTest, public ::testing::WithParamInterface<LockCase> {};

// A lock no running copy holds is taken over at once, whatever the file says.
TEST_P(LeftLock, IsTakenOverAtOnce)
{
    ASSERT_EQ(Save(EightPages()), NotebookFault::None);
    GetParam().leave(LockPath(dir.path(), QStringLiteral("DOM")));
    NotebookContent one = EightPages();
    one.Pages.resize(1);
    one.CurrentPage = 0;
    EXPECT_EQ(Save(one), NotebookFault::None);
    EXPECT_EQ(ReadNotebook(dir.path(), QStringLiteral("DOM")).Content.Pages.size(), 1u);
}

const LockCase kLockCases[] = {
    {"Empty", [](const QString& path) { WriteAll(path, ""); }},
    {"Garbage", [](const QString& path) { WriteAll(path, QByteArray("\x00\xff garbage \n\n\n", 14)); }},
    {"OtherHost", [](const QString& path) { WriteAll(path, "4242\nqel3d\nsome-other-host\n"); }},
    {"KilledCopy",
     [](const QString& path) {
         const QFileInfo info(path);
         const pid_t child = ::fork();
         if (child == 0) {
             NotebookLock lock(info.path(), QStringLiteral("DOM"));
             ::_exit(lock.TakeForWriting() == NotebookLock::Take::Taken ? 0 : 1); // dies holding it
         }
         int status = 0;
         ASSERT_EQ(::waitpid(child, &status, 0), child);
         ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
     }},
    // What stands at the lock file's name and is no plain file is replaced, never written through.
    {"AFolderWithAFileInIt",
     [](const QString& path) {
         QFile::remove(path);
         ASSERT_TRUE(QDir().mkpath(path));
         WriteAll(QDir(path).filePath(QStringLiteral("inside")), "kept");
     }},
    {"ALinkToAFileElsewhere",
     [](const QString& path) {
         static QTemporaryDir elsewhere;
         const QString target = elsewhere.filePath(QStringLiteral("target"));
         WriteAll(target, "not ours");
         QFile::remove(path);
         ASSERT_TRUE(QFile::link(target, path));
     }},
    {"ALinkToNothing",
     [](const QString& path) {
         QFile::remove(path);
         ASSERT_TRUE(QFile::link(QStringLiteral("/nonexistent/lock"), path));
     }},
    {"APipe",
     [](const QString& path) {
         QFile::remove(path);
         ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
     }},
};

INSTANTIATE_TEST_SUITE_P(Cases, LeftLock, ::testing::ValuesIn(kLockCases),
                         [](const auto& testInfo) { return std::string(testInfo.param.what); });

TEST_F(NotebookFilesTest, WhileAnotherCopySavesASaveOrOpenSaysSoAndWaitsForNothing)
{
    ASSERT_EQ(Save(EightPages()), NotebookFault::None);
    const QStringList before = Files();
    NotebookLock saving(dir.path(), QStringLiteral("DOM"));
    ASSERT_EQ(saving.TakeForWriting(), NotebookLock::Take::Taken);
    NotebookContent one = EightPages();
    one.Pages.resize(1);
    one.CurrentPage = 0;
    EXPECT_EQ(Save(one), NotebookFault::BeingSaved);
    EXPECT_EQ(Files(), before);
    EXPECT_EQ(ReadNotebook(dir.path(), QStringLiteral("DOM")).Fault, NotebookFault::BeingSaved);
    EXPECT_TRUE(NotebookFaultText(NotebookFault::BeingSaved, "DOM", "/n").contains("inną kopię"));
    EXPECT_EQ(Save(one, QStringLiteral("INNY")), NotebookFault::None) << "other notebooks are free";
}

TEST_F(NotebookFilesTest, ANotebookOpenInAnotherCopyIsToldOnlyWhileItIsOpen)
{
    NotebookLock own(dir.path(), QStringLiteral("DOM"));
    NotebookLock other(dir.path(), QStringLiteral("DOM"));
    EXPECT_FALSE(own.OpenElsewhere());
    ASSERT_TRUE(own.MarkOpen());
    EXPECT_FALSE(own.OpenElsewhere()) << "its own mark does not count";
    EXPECT_TRUE(other.OpenElsewhere());
    EXPECT_FALSE(NotebookLock(dir.path(), QStringLiteral("INNY")).OpenElsewhere());
    ASSERT_EQ(Save(EightPages()), NotebookFault::None) << "an open notebook can be saved";
    {
        NotebookLock third(dir.path(), QStringLiteral("DOM"));
        ASSERT_TRUE(third.MarkOpen());
        EXPECT_TRUE(own.OpenElsewhere());
    }
    EXPECT_FALSE(own.OpenElsewhere()) << "a closed copy leaves no mark";
}

TEST_F(NotebookFilesTest, AFolderThatCannotBeWrittenIsReportedAndKeepsWhatItHolds)
{
    // A file where the folder should be: neither the folder nor anything in it can be made.
    WriteAll(Path(QStringLiteral("KARTKI")), "not a folder");
    EXPECT_EQ(NotebookWriter().Save(Path(QStringLiteral("KARTKI")), QStringLiteral("DOM"), EightPages()).Fault,
              NotebookFault::CannotWrite);
    EXPECT_EQ(NotebookWriter().Save(Path(QStringLiteral("KARTKI/deeper")), QStringLiteral("DOM"), EightPages()).Fault,
              NotebookFault::CannotWrite);

    // A folder without write permission, where permissions bind (not for the superuser).
    ASSERT_EQ(Save(EightPages()), NotebookFault::None);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(Path(QStringLiteral("probe")));
    if (!probe.open(QIODevice::WriteOnly)) {
        NotebookContent blank;
        blank.Pages.resize(1);
        EXPECT_EQ(Save(blank), NotebookFault::CannotWrite);
        ExpectSameNotebook(ReadNotebook(dir.path(), QStringLiteral("DOM")).Content, EightPages());
    }
    probe.remove();
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}


// Changes one thing in the saved notebook DOM of the folder.
using Spoil = std::function<void(const QString& folder)>;

void EditIndex(const QString& folder, const std::function<void(QJsonObject&)>& edit)
{
    const QString path = IndexPath(folder, QStringLiteral("DOM"));
    QJsonObject index = QJsonDocument::fromJson(ReadAll(path)).object();
    edit(index);
    WriteAll(path, QJsonDocument(index).toJson());
}

Spoil SetIndexField(const char* key, const QJsonValue& value)
{
    return [=](const QString& folder) { EditIndex(folder, [&](QJsonObject& index) { index[QLatin1String(key)] = value; }); };
}

Spoil SetTurtleField(const char* key, const QJsonValue& value)
{
    return [=](const QString& folder) {
        EditIndex(folder, [&](QJsonObject& index) {
            QJsonArray turtles = index[QStringLiteral("turtles")].toArray();
            QJsonObject second = turtles[1].toObject();
            if (value.isUndefined())
                second.remove(QLatin1String(key));
            else
                second[QLatin1String(key)] = value;
            turtles[1] = second;
            index[QStringLiteral("turtles")] = turtles;
        });
    };
}

Spoil Truncate(const char* file, int keep)
{
    return [=](const QString& folder) {
        const QString path = QDir(folder).filePath(QString::fromUtf8(file));
        WriteAll(path, ReadAll(path).left(keep));
    };
}

Spoil Remove(const char* file)
{
    return [=](const QString& folder) { QFile::remove(QDir(folder).filePath(QString::fromUtf8(file))); };
}

// Writes `value` over four bytes of `file` at `at`.
Spoil Patch(const char* file, int at, std::uint32_t value)
{
    return [=](const QString& folder) {
        const QString path = QDir(folder).filePath(QString::fromUtf8(file));
        QByteArray bytes = ReadAll(path);
        qToLittleEndian(value, bytes.data() + at);
        WriteAll(path, bytes);
    };
}

Spoil ReplacePage(const char* file, const QImage& picture, const char* format)
{
    return [=](const QString& folder) { ASSERT_TRUE(picture.save(QDir(folder).filePath(QString::fromUtf8(file)), format)); };
}

struct SpoiltCase {
    const char* what;
    Spoil spoil;
    NotebookFault fault;
    int lostPage = 0; // with Fault None: the number of the page opened blank
};

class SpoiltNotebook : public NotebookFilesTest, public ::testing::WithParamInterface<SpoiltCase> {};

// A spoilt index refuses the notebook; a spoilt page is lost alone, the others open.
TEST_P(SpoiltNotebook, IsRefusedOrLosesOnlyTheSpoiltPage)
{
    const NotebookContent saved = EightPages();
    ASSERT_EQ(Save(saved), NotebookFault::None);
    GetParam().spoil(dir.path());
    const NotebookReading reading = ReadNotebook(dir.path(), QStringLiteral("DOM"));
    ASSERT_EQ(reading.Fault, GetParam().fault);
    if (reading.Fault != NotebookFault::None) {
        EXPECT_TRUE(reading.Content.Pages.empty());
        return;
    }
    EXPECT_EQ(reading.LostPages, std::vector<int>{GetParam().lostPage});
    ASSERT_EQ(reading.Content.Pages.size(), saved.Pages.size());
    for (std::size_t p = 0; p < saved.Pages.size(); ++p) {
        const PageContent& page = reading.Content.Pages[p];
        EXPECT_TRUE(page.Turtle == saved.Pages[p].Turtle);
        if (static_cast<int>(p) + 1 == GetParam().lostPage) {
            const std::uint8_t background = NearestSheetIndex(CellRgb(ColorToCell(page.Turtle.BGColor)));
            EXPECT_EQ(std::count(page.Image.begin(), page.Image.end(), background), kSheetBytes)
                << "cleared in its background colour";
        } else {
            EXPECT_TRUE(page.Image == saved.Pages[p].Image) << p + 1;
        }
    }
}

QImage Picture(QSize size, QImage::Format format)
{
    QImage picture(size, format);
    picture.fill(Qt::white);
    return picture;
}

const SpoiltCase kSpoiltCases[] = {
    {"NoIndex", Remove("DOM.qel3d"), NotebookFault::NoNotebook},
    {"IndexIsAFolder", [](const QString& folder) { Remove("DOM.qel3d")(folder); QDir(folder).mkdir("DOM.qel3d"); }, NotebookFault::NoNotebook},
    {"EmptyIndex", Truncate("DOM.qel3d", 0), NotebookFault::BadIndex},
    {"TruncatedIndex", Truncate("DOM.qel3d", 200), NotebookFault::BadIndex},
    {"IndexNotJson", [](const QString& f) { WriteAll(IndexPath(f, "DOM"), "BM\x01\x02"); }, NotebookFault::BadIndex},
    {"HugeIndex", [](const QString& f) { WriteAll(IndexPath(f, "DOM"), QByteArray(5 << 20, ' ')); }, NotebookFault::BadIndex},
    {"NewerFormat", SetIndexField("format", 5), NotebookFault::BadIndex},
    {"NoPages", SetIndexField("pageCount", 0), NotebookFault::BadIndex},
    {"NinePages", SetIndexField("pageCount", 9), NotebookFault::BadIndex},
    {"CountUnlikeTurtles", SetIndexField("pageCount", 7), NotebookFault::BadIndex},
    {"FractionalCount", SetIndexField("pageCount", 7.5), NotebookFault::BadIndex},
    {"CurrentPageZero", SetIndexField("currentPage", 0), NotebookFault::BadIndex},
    {"CurrentPageBeyond", SetIndexField("currentPage", 9), NotebookFault::BadIndex},
    {"CurrentPageAsText", SetIndexField("currentPage", "3"), NotebookFault::BadIndex},
    {"PenColour16", SetTurtleField("penColor", 16), NotebookFault::BadIndex},
    {"BackgroundMinus1", SetTurtleField("bgColor", -1), NotebookFault::BadIndex},
    {"Width0", SetTurtleField("penWidth", 0), NotebookFault::BadIndex},
    {"Width9", SetTurtleField("penWidth", 9), NotebookFault::BadIndex},
    {"Character0", SetTurtleField("shape", 0), NotebookFault::BadIndex},
    {"PenMode3", SetTurtleField("penMode", 3), NotebookFault::BadIndex},
    {"NotFiniteX", SetTurtleField("x", QJsonValue::Null), NotebookFault::BadIndex},
    {"FarAwayY", SetTurtleField("y", 1e300), NotebookFault::BadIndex},
    {"NoHeading", SetTurtleField("heading", QJsonValue::Undefined), NotebookFault::BadIndex},
    {"PenDownAsNumber", SetTurtleField("penDown", 1), NotebookFault::BadIndex},
    {"IndexLinkedToAnEndlessDevice", [](const QString& f) { Remove("DOM.qel3d")(f); LinkToZeroDevice(IndexPath(f, "DOM")); }, NotebookFault::NoNotebook},
    {"CounterNegative", SetIndexField("saveCounter", -1), NotebookFault::BadIndex},
    {"CounterAsText", SetIndexField("saveCounter", "7"), NotebookFault::BadIndex},
    {"PageLinkedToAnEndlessDevice", [](const QString& f) { Remove("DOM6.bmp")(f); LinkToZeroDevice(PagePath(f, "DOM", 6)); }, NotebookFault::None, 6},
    {"HugePage", [](const QString& f) { WriteSparseFile(PagePath(f, "DOM", 7), "\x89PNG", 100LL << 20); }, NotebookFault::None, 7},
    {"MissingPage", Remove("DOM4.bmp"), NotebookFault::None, 4},
    {"TruncatedPage", Truncate("DOM2.bmp", 30000), NotebookFault::None, 2},
    {"PageHeaderOnly", Truncate("DOM8.bmp", 20), NotebookFault::None, 8},
    {"PageCutInItsPalette", Truncate("DOM8.bmp", 600), NotebookFault::None, 8},
    {"PageCutInItsLastRow", Truncate("DOM1.bmp", 14 + 40 + 1024 + kSheetBytes - 1), NotebookFault::None, 1},
    {"PageRowsPastItsEnd", Patch("DOM3.bmp", 10, 0xFFFFFF00u), NotebookFault::None, 3},
    {"PageHeaderPastItsEnd", Patch("DOM4.bmp", 14, 0xFFFFFFF0u), NotebookFault::None, 4},
    {"PageOfEndlessRows", Patch("DOM5.bmp", 22, 0x7FFFFFFFu), NotebookFault::None, 5},
    {"PageOfFourBillionColours", Patch("DOM6.bmp", 46, 0xFFFFFFFFu), NotebookFault::None, 6},
    {"PageNotAPicture", [](const QString& f) { WriteAll(PagePath(f, "DOM", 3), "hello"); }, NotebookFault::None, 3},
    {"SmallerPage", ReplacePage("DOM5.bmp", Picture({128, 128}, QImage::Format_RGB32), "BMP"), NotebookFault::None, 5},
    {"WiderPage", ReplacePage("DOM1.bmp", Picture({257, 256}, QImage::Format_RGB32), "PNG"), NotebookFault::None, 1},
    {"JpegPage", ReplacePage("DOM2.bmp", Picture({256, 256}, QImage::Format_RGB32), "JPG"), NotebookFault::None, 2},
};

INSTANTIATE_TEST_SUITE_P(Cases, SpoiltNotebook, ::testing::ValuesIn(kSpoiltCases),
                         [](const auto& testInfo) { return std::string(testInfo.param.what); });

TEST_F(NotebookFilesTest, APageFromAnotherPaintProgramOpensInTheNearestColours)
{
    NotebookContent content;
    content.Pages.resize(2);
    ASSERT_EQ(Save(content), NotebookFault::None);

    // True-colour pictures, once as a bitmap and once as PNG under the page's name, in shades a
    // paint program might leave: almost red, almost blue, a touch off white.
    QImage picture(256, 256, QImage::Format_RGB32);
    picture.fill(qRgb(250, 252, 247));
    for (int column = 0; column < 256; ++column) {
        picture.setPixel(column, 0, qRgb(240, 10, 12));
        picture.setPixel(column, 255, qRgb(3, 5, 230));
    }
    ASSERT_TRUE(picture.save(PagePath(dir.path(), "DOM", 1), "BMP"));
    ASSERT_TRUE(picture.save(PagePath(dir.path(), "DOM", 2), "PNG"));

    const NotebookReading reading = ReadNotebook(dir.path(), QStringLiteral("DOM"));
    ASSERT_EQ(reading.Fault, NotebookFault::None);
    for (const PageContent& page : reading.Content.Pages) {
        EXPECT_EQ(page.Image[0], kRed);
        EXPECT_EQ(page.Image[255 * 256 + 100], kBlue);
        EXPECT_EQ(page.Image[128 * 256 + 128], kWhite);
    }
}

TEST(NotebookIndex, DecodesWhatItEncodesAndNothingElse)
{
    const NotebookContent content = EightPages();
    const std::optional<NotebookIndex> index = DecodeIndex(EncodeIndex(content, 0));
    ASSERT_TRUE(index.has_value());
    EXPECT_EQ(index->CurrentPage, 5);
    ASSERT_EQ(index->Turtles.size(), 8u);
    EXPECT_TRUE(index->Turtles[7] == content.Pages[7].Turtle);
    EXPECT_EQ(index->SaveCounter, 0u);
    EXPECT_EQ(DecodeIndex(EncodeIndex(content, 1234567)).value().SaveCounter, 1234567u);
    for (const char* text : {"", "[]", "{}", "null", "{\"format\": 1}"})
        EXPECT_FALSE(DecodeIndex(text).has_value()) << text;
}

TEST(NotebookNames, RefuseOnlyWhatCannotBeAVisibleFileName)
{
    for (const char* name : {"DOM", "Żółw", "kot i pies", "BARDZO DŁUGA NAZWA", "a.b", "a..", "1"})
        EXPECT_TRUE(IsNotebookName(QString::fromUtf8(name))) << name;
    for (const char* name : {"", "   ", "a/b", "/", "a\\b", "a\tb", "x\x01", "\x7f", ".", "..", " .. ", ".ukryty", "..a"})
        EXPECT_FALSE(IsNotebookName(QString::fromUtf8(name))) << name;
}

TEST(NotebookNames, AComposedAndADecomposedNameAreOneNotebook)
{
    const QString composed = QString::fromUtf8("żółw");
    const QString decomposed = QString::fromUtf8("z\xcc\x87o\xcc\x81\xc5\x82w"); // z + dot, o + acute, ł, w
    ASSERT_NE(composed, decomposed);
    EXPECT_EQ(NotebookNameForm(QStringLiteral("  ") + decomposed + QStringLiteral(" ")), composed);
    EXPECT_EQ(IndexPath("/n", decomposed), IndexPath("/n", composed));
    EXPECT_EQ(PagePath("/n", decomposed, 2), PagePath("/n", composed, 2));
}

TEST(NotebookFolder, IsTheDocumentsSubfolderUnlessTheEnvironmentNamesOne)
{
    const QByteArray saved = qgetenv("QEL3D_NOTEBOOKS");
    qunsetenv("QEL3D_NOTEBOOKS");
    EXPECT_TRUE(NotebooksFolder().endsWith(QStringLiteral("/Qel 3D/KARTKI"))) << NotebooksFolder().toStdString();
    qputenv("QEL3D_NOTEBOOKS", "/tmp/somewhere else");
    EXPECT_EQ(NotebooksFolder(), "/tmp/somewhere else");
    qputenv("QEL3D_NOTEBOOKS", saved);
    EXPECT_EQ(PagePath("/n", "DOM", 3), "/n/DOM3.bmp");
    EXPECT_EQ(IndexPath("/n", "DOM"), "/n/DOM.qel3d");
}

} // namespace

namespace {

TEST_F(NotebookFilesTest, APipeInPlaceOfAFileDoesNotHoldTheProgram)
{
    ASSERT_EQ(Save(EightPages()), NotebookFault::None);
    for (const QString& path : {IndexPath(dir.path(), "DOM"), PagePath(dir.path(), "DOM", 2)}) {
        QFile::remove(path);
        ASSERT_TRUE(MakePipe(path));
        NotebookReading reading;
        EXPECT_TRUE(ReturnsInTime([&] { reading = ReadNotebook(dir.path(), QStringLiteral("DOM")); }, path));
        EXPECT_TRUE(reading.Fault != NotebookFault::None || reading.LostPages == std::vector<int>{2});
        QFile::remove(path);
        ASSERT_EQ(Save(EightPages()), NotebookFault::None);
    }
}

} // namespace

namespace {

QByteArray Seed(const char* file)
{
    return ReadAll(QStringLiteral(QEL_NOTEBOOK_SEEDS "/") + QString::fromUtf8(file));
}

// The fuzz seeds are pictures nobody here drew: only pages of the sheet's size, as BMP (also
// run-length compressed) or PNG, open; the hostile ones are refused from their headers, their
// runs' bounds, or read without unpacking their text.
TEST(PagePictures, OnlySheetSizedBitmapsAndPngsAreDecoded)
{
    const struct {
        const char* file;
        PageReadFault fault;
    } cases[] = {
        {"valid-page-8bit.bmp", PageReadFault::None},
        {"valid-page-own.bmp", PageReadFault::None},
        {"broken-page-own-cut.bmp", PageReadFault::Unreadable},
        {"valid-page-24bit-top-down.bmp", PageReadFault::None},
        {"valid-page-4bit-core-header.bmp", PageReadFault::None},
        {"valid-page.png", PageReadFault::None},
        {"valid-page-with-text.png", PageReadFault::None},
        {"hostile-text-chunks.png", PageReadFault::None},
        {"broken-page-small.bmp", PageReadFault::WrongSize},
        {"broken-page-small.png", PageReadFault::WrongSize},
        {"hostile-huge.png", PageReadFault::WrongSize},
        {"hostile-huge.bmp", PageReadFault::WrongSize},
        {"broken-page-cut.bmp", PageReadFault::Unreadable},
        {"valid-page-rle8.bmp", PageReadFault::None},
        {"valid-page-rle4.bmp", PageReadFault::None},
        {"broken-page-rle8-no-end.bmp", PageReadFault::Unreadable},
        {"broken-page-rle8-run-past-row.bmp", PageReadFault::Unreadable},
        {"broken-page-rle8-jump-past-sheet.bmp", PageReadFault::Unreadable},
        {"broken-page-rle8-top-down.bmp", PageReadFault::Unreadable},
        {"broken-page-rle4-literal-past-end.bmp", PageReadFault::Unreadable},
        {"broken-page-cut.png", PageReadFault::Unreadable},
        {"broken-page-chunk-past-end.png", PageReadFault::Unreadable},
        {"broken-page-no-end.png", PageReadFault::Unreadable},
        {"hostile-progressive.jpg", PageReadFault::Unreadable},
        {"hostile.svg", PageReadFault::Unreadable},
        {"valid-index.qel3d", PageReadFault::Unreadable},
    };
    const QByteArray stripes = Seed("valid-page.png");
    std::vector<std::uint8_t> expected(kSheetBytes);
    ASSERT_EQ(DecodePagePicture(stripes, expected.data()), PageReadFault::None);
    for (const auto& c : cases) {
        const QByteArray bytes = Seed(c.file);
        ASSERT_FALSE(bytes.isEmpty()) << c.file << ": run qel_fuzz_corpus";
        std::vector<std::uint8_t> image(kSheetBytes, 99);
        EXPECT_EQ(DecodePagePicture(bytes, image.data()), c.fault) << c.file;
        if (c.fault != PageReadFault::None) {
            EXPECT_EQ(std::count(image.begin(), image.end(), 99), kSheetBytes) << c.file << ": left as it was";
        } else if (QByteArray(c.file).endsWith(".png")) {
            EXPECT_TRUE(image == expected) << c.file << ": the same stripes, text or not";
        } else if (QByteArray(c.file).contains("rle")) {
            // The seeds' palette entry i is red 255 - i, green 91 i, blue 37 i; RLE8 rows run
            // 1 (200), 2 (53), 1 2 3, RLE4 rows 1 2 1 2 … (200), 3 (53), 1 2 3; the top six rows
            // are jumped over.
            const auto colour = [](int i) { return NearestSheetIndex(qRgb(255 - i, (91 * i) % 256, 37 * i)); };
            const bool rle4 = QByteArray(c.file).contains("rle4");
            const std::uint8_t* bottom = image.data() + 255 * 256;
            EXPECT_EQ(bottom[0], colour(1)) << c.file;
            EXPECT_EQ(bottom[1], colour(rle4 ? 2 : 1)) << c.file;
            EXPECT_EQ(bottom[210], colour(rle4 ? 3 : 2)) << c.file;
            EXPECT_EQ(bottom[255], colour(3)) << c.file;
            EXPECT_EQ(image[6 * 256 + 255], colour(3)) << c.file << ": the highest row drawn";
            EXPECT_EQ(image[5 * 256 + 100], colour(0)) << c.file << ": jumped over";
        }
    }
    const std::optional<NotebookIndex> old = DecodeIndex(Seed("valid-index.qel3d"));
    ASSERT_TRUE(old.has_value());
    EXPECT_EQ(old->SaveCounter, 0u) << "an index from before saves were counted";
    EXPECT_EQ(DecodeIndex(Seed("valid-index-counted.qel3d")).value().SaveCounter, 41u);
}

// Our own pages are read straight, rows whole; one another program changed in any way that
// matters reads through the general readers as before, one cut short is refused.
TEST(OwnPages, AreReadStraightAndChangedOnesAsBefore)
{
    std::vector<std::uint8_t> drawn(kSheetBytes);
    for (int i = 0; i < kSheetBytes; ++i)
        drawn[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>((i / 3 + i / kSheetSize) % 16);
    constexpr int kPixelsAt = 14 + 40 + 4 * 256;
    constexpr int kBottomLeft = (kSheetSize - 1) * kSheetSize; // the file's first pixel
    const struct {
        const char* what;
        std::function<void(QByteArray&)> change;
        std::optional<PageReadFault> own; // nothing: for the general readers
        std::function<void(std::vector<std::uint8_t>&)> expect;
    } cases[] = {
        {"as saved", [](QByteArray&) {}, PageReadFault::None, [](auto&) {}},
        {"another resolution", [](QByteArray& b) { b[38] = 1; }, PageReadFault::None, [](auto&) {}},
        {"a byte past the sixteen", [](QByteArray& b) { b[kPixelsAt] = char(200); }, PageReadFault::None,
         [](auto& image) { image[kBottomLeft] = NearestSheetIndex(qRgb(0, 0, 0)); }},
        {"palette entry 1 made red", [](QByteArray& b) { b[14 + 40 + 4] = 0, b[14 + 40 + 5] = 0, b[14 + 40 + 6] = char(255); },
         std::nullopt, [](auto& image) { std::replace(image.begin(), image.end(), std::uint8_t{1}, kRed); }},
        {"rows kept top first", [](QByteArray& b) { qToLittleEndian<std::int32_t>(-kSheetSize, b.data() + 22); },
         std::nullopt, [](auto& image) {
             for (int row = 0; row < kSheetSize / 2; ++row)
                 std::swap_ranges(image.begin() + row * kSheetSize, image.begin() + (row + 1) * kSheetSize,
                                  image.end() - (row + 1) * kSheetSize);
         }},
        {"a byte short", [](QByteArray& b) { b.chop(1); }, PageReadFault::Unreadable, {}},
        {"file size claimed larger", [](QByteArray& b) { qToLittleEndian<std::uint32_t>(1u << 31, b.data() + 2); },
         std::nullopt, [](auto&) {}},
    };
    for (const auto& c : cases) {
        QByteArray bytes = PageBitmapBytes(drawn.data());
        c.change(bytes);
        std::vector<std::uint8_t> straight(kSheetBytes, 99), built;
        EXPECT_EQ(DecodeOwnPage(bytes, straight.data()), c.own) << c.what;
        EXPECT_EQ(DecodeOwnPage(bytes, built), c.own) << c.what;
        if (c.own == PageReadFault::Unreadable) {
            EXPECT_EQ(std::count(straight.begin(), straight.end(), 99), kSheetBytes) << c.what << ": left as it was";
            EXPECT_EQ(DecodePagePicture(bytes, straight.data()), PageReadFault::Unreadable) << c.what;
            continue;
        }
        std::vector<std::uint8_t> expected = drawn;
        c.expect(expected);
        if (c.own) {
            EXPECT_TRUE(straight == expected) << c.what;
            EXPECT_TRUE(built == expected) << c.what;
        }
        std::vector<std::uint8_t> general(kSheetBytes);
        ASSERT_EQ(DecodePagePicture(bytes, general.data()), PageReadFault::None) << c.what;
        EXPECT_TRUE(general == expected) << c.what;
    }
    // The fuzz target's seeds of our own pages reach the straight reader.
    std::vector<std::uint8_t> image(kSheetBytes);
    EXPECT_EQ(DecodeOwnPage(Seed("valid-page-own.bmp"), image.data()), PageReadFault::None);
    EXPECT_EQ(DecodeOwnPage(Seed("broken-page-own-cut.bmp"), image.data()), PageReadFault::Unreadable);
}

// A record stays with its page while the index holds the page's sum, as this program or an
// earlier one wrote it, and goes when the page is another.
TEST_F(NotebookFilesTest, ARecordStaysWithThePageItEndsOn)
{
    NotebookContent content;
    content.Pages.resize(1);
    PageContent& page = content.Pages[0];
    page.Record = StartedRecord(page.Image.data(), page.Turtle);
    ASSERT_EQ(Save(content), NotebookFault::None);
    const auto recordKept = [&] {
        const NotebookReading reading = ReadNotebook(dir.path(), QStringLiteral("DOM"));
        return reading.Fault == NotebookFault::None && !reading.Content.Pages.at(0).Record.Empty();
    };
    EXPECT_TRUE(recordKept());
    // The sum earlier saves kept of a page all black, and one off it.
    SetIndexField("recordEnds", QJsonArray{QStringLiteral("b9d103fd6854a325")})(dir.path());
    EXPECT_TRUE(recordKept());
    SetIndexField("recordEnds", QJsonArray{QStringLiteral("b9d103fd6854a324")})(dir.path());
    EXPECT_FALSE(recordKept());

    // The page's sum holds, but the record's own end is not the page's: it is another page's
    // record, and replayed it would not lead here.
    const struct {
        const char* what;
        std::function<void(PageContent&)> change;
        bool kept;
    } ends[] = {
        {"a colour picked after the last step", [](PageContent& p) { p.Turtle.PenColor = 3; }, true},
        {"a background the record set", [](PageContent& p) { p.Record.Append(EntryOf(RecordOp::Background, 2)); p.Turtle.BGColor = 2; }, true},
        {"a background the page does not have", [](PageContent& p) { p.Record.Append(EntryOf(RecordOp::Background, 2)); }, false},
        {"another background from the start", [](PageContent& p) { p.Turtle.BGColor = 2; }, false},
        {"no start", [](PageContent& p) { p.Record = DrawingRecord::Of({EntryOf(RecordOp::Forward, 10)}); }, false},
    };
    for (const auto& end : ends) {
        NotebookContent other;
        other.Pages.resize(1);
        PageContent& otherPage = other.Pages[0];
        otherPage.Record = StartedRecord(otherPage.Image.data(), otherPage.Turtle);
        end.change(otherPage);
        ASSERT_EQ(Save(other), NotebookFault::None) << end.what;
        EXPECT_EQ(recordKept(), end.kept) << end.what;
    }
}

// Two copies of the program saving one notebook at once, a 3-page and a 6-page one, each page in
// its writer's colour: whichever comes last, the notebook opens as wholly one of them.
TEST(TwoCopies, SavingOneNotebookAtOnceLeavesWhollyOneOfThem)
{
    QTemporaryDir dir;
    const struct {
        int pages;
        std::uint8_t colour;
    } writers[] = {{3, kRed}, {6, kBlue}};
    for (int round = 0; round < 50; ++round) {
        std::vector<std::unique_ptr<QProcess>> processes;
        for (const auto& w : writers) {
            auto process = std::make_unique<QProcess>();
            process->start(QStringLiteral(QEL_SAVE_HELPER),
                           {dir.path(), "DOM", QString::number(w.pages), QString::number(w.colour)});
            ASSERT_TRUE(process->waitForStarted());
            processes.push_back(std::move(process));
        }
        for (const auto& process : processes) // both start saving together
            process->write("\n");
        for (const auto& process : processes) {
            ASSERT_TRUE(process->waitForFinished(20000));
            EXPECT_EQ(process->exitCode(), 0) << process->readAllStandardError().toStdString();
        }
        const NotebookReading reading = ReadNotebook(dir.path(), QStringLiteral("DOM"));
        ASSERT_EQ(reading.Fault, NotebookFault::None) << "round " << round;
        EXPECT_TRUE(reading.LostPages.empty()) << "round " << round;
        const auto& winner = reading.Content.Pages.size() == 3 ? writers[0] : writers[1];
        ASSERT_EQ(reading.Content.Pages.size(), static_cast<std::size_t>(winner.pages)) << "round " << round;
        for (const PageContent& page : reading.Content.Pages)
            EXPECT_EQ(std::count(page.Image.begin(), page.Image.end(), winner.colour), kSheetBytes) << "round " << round;
        EXPECT_EQ(reading.SaveCounter, static_cast<std::uint64_t>(2 * round + 2));
    }
}

} // namespace

namespace {

// A notebook of `pages` pages all in one colour.
NotebookContent Plain(int pages, std::uint8_t colour)
{
    NotebookContent content;
    content.Pages.resize(static_cast<std::size_t>(pages));
    for (PageContent& page : content.Pages)
        std::fill(page.Image.begin(), page.Image.end(), colour);
    return content;
}

bool Wholly(const NotebookContent& got, const NotebookContent& want)
{
    if (got.Pages.size() != want.Pages.size())
        return false;
    for (std::size_t p = 0; p < got.Pages.size(); ++p) {
        if (got.Pages[p].Image != want.Pages[p].Image)
            return false;
    }
    return true;
}

// Ends its process without a word at the n-th write or move of a save, as a kill there would.
class DyingWriter final : public NotebookWriter {
public:
    DyingWriter(int write, int move) : write_(write), move_(move) {}

private:
    bool Write(win::WholeFile& file, const QByteArray& bytes) override
    {
        if (++writes_ == write_)
            ::_exit(0);
        return NotebookWriter::Write(file, bytes);
    }
    bool Replace(const QString& written, const QString& path) override
    {
        if (++moves_ == move_)
            ::_exit(0);
        return NotebookWriter::Replace(written, path);
    }
    int write_, move_;
    int writes_ = 0, moves_ = 0;
};

// 40 saves killed: at every write and every move of an 8-page save over a 3-page notebook and
// back, and at random moments of saves in a row. Each leaves one notebook whole, old or new.
TEST(KilledSave, LeavesOneWholeNotebookOrTheOther)
{
    const NotebookContent small = Plain(3, kRed), large = Plain(8, kBlue);
    std::mt19937 random(5);
    for (int round = 0; round < 40; ++round) {
        QTemporaryDir dir;
        const bool growing = round % 2 == 0;
        const NotebookContent& before = growing ? small : large;
        const NotebookContent& after = growing ? large : small;
        ASSERT_EQ(NotebookWriter().Save(dir.path(), "DOM", before).Fault, NotebookFault::None);
        const int pages = static_cast<int>(after.Pages.size());
        const int step = round / 2; // 0 … 19
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (step < 2 * (pages + 1)) {
                // writes 1 … pages + 1, then moves 1 … pages + 1
                const bool moving = step > pages;
                DyingWriter(moving ? 0 : step + 1, moving ? step - pages : 0).Save(dir.path(), "DOM", after);
            } else {
                for (int i = 0;; ++i)
                    NotebookWriter().Save(dir.path(), "DOM", i % 2 ? before : after);
            }
            ::_exit(0);
        }
        if (step >= 2 * (pages + 1)) {
            ::usleep(std::uniform_int_distribution<useconds_t>(2000, 60000)(random));
            ::kill(child, SIGKILL);
        }
        ASSERT_EQ(::waitpid(child, nullptr, 0), child);
        const NotebookReading reading = ReadNotebook(dir.path(), QStringLiteral("DOM"));
        ASSERT_EQ(reading.Fault, NotebookFault::None) << "round " << round;
        EXPECT_TRUE(reading.LostPages.empty()) << "round " << round;
        EXPECT_TRUE(Wholly(reading.Content, before) || Wholly(reading.Content, after)) << "round " << round;
        EXPECT_FALSE(QFileInfo::exists(SwitchPath(dir.path(), "DOM"))) << "round " << round << ": finished on opening";
    }
}

TEST_F(NotebookFilesTest, APageThatCannotBeReadIsKeptBesideTheNotebookOnceWhenSaved)
{
    ASSERT_EQ(Save(Plain(8, kRed)), NotebookFault::None);
    const QByteArray svg = Seed("hostile.svg");
    const QByteArray jpeg = Seed("hostile-progressive.jpg");
    WriteAll(PagePath(dir.path(), "DOM", 2), svg);
    WriteAll(PagePath(dir.path(), "DOM", 7), jpeg);
    ASSERT_TRUE(QFile::remove(PagePath(dir.path(), "DOM", 5))); // missing: nothing to keep
    const NotebookReading reading = ReadNotebook(dir.path(), QStringLiteral("DOM"));
    ASSERT_EQ(reading.LostPages, (std::vector<int>{2, 5, 7}));
    EXPECT_TRUE(reading.LostFilesThere);
    EXPECT_TRUE(LostPagesText("DOM", reading.LostPages, true).contains("zachowane"));

    // Saved with six pages: page 7, no longer in the notebook, is kept all the same.
    NotebookContent six = reading.Content;
    six.Pages.resize(6);
    six.CurrentPage = 0;
    const SaveResult saved = NotebookWriter().Save(dir.path(), "DOM", six);
    ASSERT_EQ(saved.Fault, NotebookFault::None);
    EXPECT_EQ(saved.KeptFiles, QStringList({"DOM, strona 2 (nieodczytana).svg", "DOM, strona 7 (nieodczytana).jpg"}));
    EXPECT_EQ(ReadAll(Path("DOM, strona 2 (nieodczytana).svg")), svg);
    EXPECT_EQ(ReadAll(Path("DOM, strona 7 (nieodczytana).jpg")), jpeg);
    EXPECT_TRUE(KeptPagesText("DOM", saved.KeptFiles).contains("DOM, strona 2 (nieodczytana).svg"));
    ExpectSameNotebook(ReadNotebook(dir.path(), QStringLiteral("DOM")).Content, six);

    // Spoilt again, it is kept under a name not yet taken; a readable page is never kept.
    WriteAll(PagePath(dir.path(), "DOM", 2), svg);
    EXPECT_EQ(NotebookWriter().Save(dir.path(), "DOM", six).KeptFiles, QStringList{"DOM, strona 2 (nieodczytana 2).svg"});
    EXPECT_TRUE(NotebookWriter().Save(dir.path(), "DOM", six).KeptFiles.isEmpty());
}

TEST_F(NotebookFilesTest, RecordsTooLongForTheIndexStartAgainFromTheirPageAndTheNotebookOpens)
{
    NotebookContent content = Plain(2, kWhite);
    std::mt19937 random(3);
    for (std::uint8_t& pixel : content.Pages[0].Image)
        pixel = static_cast<std::uint8_t>(random() % 16);
    // Each entry carries a whole page of noise: 80 of them are far past the index's limit.
    DrawingRecord& record = content.Pages[0].Record;
    record = StartedRecord(content.Pages[0].Image.data(), content.Pages[0].Turtle);
    const RecordEntry noise = record.At(0);
    for (int i = 0; i < 80; ++i)
        record.Append(noise);
    ASSERT_GT(EncodeIndex(content, 1).size(), kMaxIndexBytes);

    ASSERT_EQ(Save(content), NotebookFault::None);
    EXPECT_LE(QFileInfo(Path("DOM.qel3d")).size(), kMaxIndexBytes);
    const NotebookReading reading = ReadNotebook(dir.path(), QStringLiteral("DOM"));
    ASSERT_EQ(reading.Fault, NotebookFault::None);
    ExpectSameNotebook(reading.Content, content);
    EXPECT_EQ(reading.Content.Pages[0].Record.Size(), StartedRecord(content.Pages[0].Image.data(), content.Pages[0].Turtle).Size())
        << "started again from the page";
}

TEST_F(NotebookFilesTest, ANotebookStoredUnderADecomposedNameIsListedOpenedAndSavedInPlace)
{
    const QString composed = QString::fromUtf8("żółw");
    const QString decomposed = composed.normalized(QString::NormalizationForm_D);
    ASSERT_EQ(Save(EightPages(), QStringLiteral("x")), NotebookFault::None);
    for (const QString& file : Files())
        ASSERT_TRUE(QFile::rename(Path(file), Path(decomposed + file.mid(1))));

    const std::vector<SavedNotebook> listed = ListSavedNotebooks(dir.path());
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].Name, composed);
    const NotebookReading reading = ReadNotebook(dir.path(), composed);
    ASSERT_EQ(reading.Fault, NotebookFault::None);
    ExpectSameNotebook(reading.Content, EightPages());
    EXPECT_FALSE(ReadNotebookPreview(listed[0]).FirstPage->empty());

    ASSERT_EQ(Save(reading.Content, composed), NotebookFault::None);
    EXPECT_EQ(Files().size(), 9u) << "saved over the files it has, not beside them";
    EXPECT_EQ(ListSavedNotebooks(dir.path()).size(), 1u);
}

} // namespace

namespace {

// Everything in a folder, hidden files and folders too, with the bytes of its files.
std::map<QString, QByteArray> Everything(const QString& folder)
{
    std::map<QString, QByteArray> all;
    QDirIterator entries(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QString path = entries.next();
        all[QDir(folder).relativeFilePath(path)] = QFileInfo(path).isDir() ? QByteArray("<folder>") : ReadAll(path);
    }
    return all;
}

struct PlantedSwitch {
    const char* what;
    // The lines of .DOM.next between its heading and its end; STAGED names a staged file holding
    // a good index of DOM.
    const char* lines;
    bool carried; // a switch a save of DOM would write: carried out
};

const PlantedSwitch kPlantedSwitches[] = {
    {"AnotherNotebooksIndexOverDom", "move\tKOT.qel3d\tDOM.qel3d\n", false},
    {"AStagedFileOverAnotherNotebooksPage", "move\tSTAGED\tKOT1.bmp\n", false},
    {"RemovingAnotherNotebooksPage", "remove\tKOT1.bmp\n", false},
    {"RemovingATextFile", "remove\tlista.txt\n", false},
    {"RemovingDomsIndex", "remove\tDOM.qel3d\n", false},
    {"ASubfolderOverDomsIndex", "move\tpodkatalog\tDOM.qel3d\n", false},
    {"AStagedFileOverASubfolderNamedAsDomsPage", "move\tSTAGED\tDOM5.bmp\n", false},
    {"AStagedFileOverDomsIndex", "move\tSTAGED\tDOM.qel3d\nremove\tDOM3.bmp\n", true},
};

class PlantedSwitchTest : public NotebookFilesTest, public ::testing::WithParamInterface<PlantedSwitch> {};

// A switch file planted beside a notebook does at most what a save of that notebook does: one that
// would touch anything else is set aside whole and said once, and the notebook opens as it stands.
TEST_P(PlantedSwitchTest, DoesNothingOutsideItsNotebookAndNeverLocksItOut)
{
    NotebookContent dom = EightPages();
    dom.Pages.resize(3);
    dom.CurrentPage = 0;
    NotebookContent kot = EightPages();
    kot.Pages.resize(2);
    kot.CurrentPage = 1;
    ASSERT_EQ(Save(dom), NotebookFault::None);
    ASSERT_EQ(Save(kot, QStringLiteral("KOT")), NotebookFault::None);
    WriteAll(Path(QStringLiteral("lista.txt")), "zakupy");
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("podkatalog")));
    WriteAll(Path(QStringLiteral("podkatalog/plik")), "w środku");
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("DOM5.bmp")));
    // A staged index of DOM with two pages.
    NotebookContent two = dom;
    two.Pages.resize(2);
    QTemporaryDir other;
    ASSERT_EQ(NotebookWriter().Save(other.path(), QStringLiteral("DOM"), two).Fault, NotebookFault::None);
    const QString staged = QStringLiteral(".qel3d-Zasiew");
    ASSERT_TRUE(QFile::copy(QDir(other.path()).filePath(QStringLiteral("DOM.qel3d")), Path(staged)));

    const auto outsideDom = [&] {
        std::map<QString, QByteArray> all = Everything(dir.path());
        std::erase_if(all, [](const auto& entry) {
            return entry.first.startsWith(QStringLiteral("DOM")) || entry.first.startsWith(QStringLiteral(".DOM"))
                   || entry.first.startsWith(QStringLiteral(".qel3d-"));
        });
        return all;
    };
    const auto before = outsideDom();
    const QString lines = QString::fromUtf8(GetParam().lines).replace(QStringLiteral("STAGED"), staged);
    WriteAll(SwitchPath(dir.path(), QStringLiteral("DOM")), "qel3d-switch 1\n" + lines.toUtf8() + "end\n");

    const NotebookReading reading = ReadNotebook(dir.path(), QStringLiteral("DOM"));
    ASSERT_EQ(reading.Fault, NotebookFault::None);
    EXPECT_EQ(reading.SwitchVoid, !GetParam().carried);
    EXPECT_FALSE(reading.SaveUnfinished);
    EXPECT_EQ(reading.Content.Pages.size(), GetParam().carried ? 2u : 3u);
    EXPECT_TRUE(outsideDom() == before) << "nothing outside DOM changed";
    EXPECT_FALSE(QFileInfo::exists(SwitchPath(dir.path(), QStringLiteral("DOM"))));
    EXPECT_EQ(QFileInfo::exists(SwitchPath(dir.path(), QStringLiteral("DOM")) + QStringLiteral("-nieważny")),
              !GetParam().carried)
        << "a void switch is kept aside";
    EXPECT_FALSE(QFileInfo::exists(Path(staged))) << "moved, or left by no save under way: removed";
    // Said once: the next open finds nothing to say, and saving works.
    EXPECT_FALSE(ReadNotebook(dir.path(), QStringLiteral("DOM")).SwitchVoid);
    EXPECT_EQ(Save(dom), NotebookFault::None);
    EXPECT_TRUE(outsideDom() == before);
}

INSTANTIATE_TEST_SUITE_P(Cases, PlantedSwitchTest, ::testing::ValuesIn(kPlantedSwitches),
                         [](const auto& testInfo) { return std::string(testInfo.param.what); });

TEST_F(NotebookFilesTest, StagedFilesAKillLeftGoAtTheNextOpenButNotThoseAnotherSwitchStillNeeds)
{
    ASSERT_EQ(Save(EightPages()), NotebookFault::None);
    ASSERT_EQ(Save(EightPages(), QStringLiteral("KOT")), NotebookFault::None);
    WriteAll(Path(QStringLiteral(".qel3d-Zabity")), "a page a killed save wrote");
    WriteAll(Path(QStringLiteral(".qel3d-Potrze")), "a staged index KOT's switch still moves");
    WriteAll(Path(QStringLiteral(".qel3d-notours")), "not of the program's pattern: left alone");
    WriteAll(SwitchPath(dir.path(), QStringLiteral("KOT")), "qel3d-switch 1\nmove\t.qel3d-Potrze\tKOT.qel3d\nend\n");
    ASSERT_EQ(ReadNotebook(dir.path(), QStringLiteral("DOM")).Fault, NotebookFault::None);
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral(".qel3d-Zabity"))));
    EXPECT_TRUE(QFileInfo::exists(Path(QStringLiteral(".qel3d-Potrze"))));
    EXPECT_TRUE(QFileInfo::exists(Path(QStringLiteral(".qel3d-notours"))));

    // While another copy saves a notebook of the folder, its staged files are its own.
    WriteAll(Path(QStringLiteral(".qel3d-Trwaja")), "a page of a save under way");
    NotebookLock saving(dir.path(), QStringLiteral("KOT"));
    ASSERT_EQ(saving.TakeForWriting(), NotebookLock::Take::Taken);
    ASSERT_EQ(Save(EightPages()), NotebookFault::None);
    EXPECT_TRUE(QFileInfo::exists(Path(QStringLiteral(".qel3d-Trwaja"))));
}

// A save killed after writing its switch, on a folder that is then mounted read-only (a stick, a
// share): the notebook opens as it stands, the old one whole, and says its last save did not finish.
TEST_F(NotebookFilesTest, ASwitchThatCannotBeCarriedOnAReadOnlyFolderLeavesTheOldNotebookOpenable)
{
    const QByteArray at = QFile::encodeName(dir.path());
    if (::mount("tmpfs", at.constData(), "tmpfs", 0, "size=4m") != 0)
        GTEST_SKIP() << "no tmpfs can be mounted here (not root?)";
    const NotebookContent old = EightPages();
    ASSERT_EQ(Save(old), NotebookFault::None);
    NotebookContent changed = old;
    changed.Pages.resize(2);
    changed.CurrentPage = 0;
    // Every move fails: the switch and the staged files stay, as a kill after the switch leaves them.
    EXPECT_EQ(FailingWriter(0, 1).Save(dir.path(), "DOM", changed).Fault, NotebookFault::PartlyWritten);
    ASSERT_TRUE(QFileInfo::exists(SwitchPath(dir.path(), QStringLiteral("DOM"))));
    ASSERT_EQ(::mount(nullptr, at.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
    const NotebookReading reading = ReadNotebook(dir.path(), QStringLiteral("DOM"));
    ::umount2(at.constData(), MNT_DETACH);
    ASSERT_EQ(reading.Fault, NotebookFault::None);
    EXPECT_TRUE(reading.SaveUnfinished);
    ExpectSameNotebook(reading.Content, old);
    EXPECT_TRUE(SaveUnfinishedText(QStringLiteral("DOM"), dir.path()).contains(QStringLiteral("nie został dokończony")));
}

} // namespace
