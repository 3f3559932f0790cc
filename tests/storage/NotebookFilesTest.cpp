#include "support/HostileFiles.h"
#include "storage/NotebookFolder.h"
#include "storage/NotebookIndex.h"
#include "storage/NotebookReader.h"
#include "storage/NotebookWriter.h"
#include "turtle/SheetColors.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

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
        return NotebookWriter().Save(dir.path(), name, content);
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

// Fails the n-th file write of a save, as a full disk would.
class FailingWriter final : public NotebookWriter {
public:
    explicit FailingWriter(int failingWrite) : failingWrite_(failingWrite) {}

private:
    bool Write(QFileDevice& file, const QByteArray& bytes) override
    {
        if (++writes_ == failingWrite_) {
            file.write(bytes.left(bytes.size() / 2)); // half a file, as when the disk fills up
            return false;
        }
        return NotebookWriter::Write(file, bytes);
    }
    int failingWrite_;
    int writes_ = 0;
};

TEST_F(NotebookFilesTest, AFailedSaveLeavesTheOldNotebookWhole)
{
    const NotebookContent old = EightPages();
    ASSERT_EQ(Save(old), NotebookFault::None);
    const QStringList before = Files();
    NotebookContent changed = EightPages();
    for (PageContent& page : changed.Pages)
        std::fill(page.Image.begin(), page.Image.end(), kBlue);
    changed.Pages.resize(2);

    for (const int failing : {1, 2, 3}) { // a page, the page after it, the index
        EXPECT_EQ(FailingWriter(failing).Save(dir.path(), QStringLiteral("DOM"), changed), NotebookFault::CannotWrite);
        EXPECT_EQ(Files(), before) << "write " << failing;
        const NotebookReading reading = ReadNotebook(dir.path(), QStringLiteral("DOM"));
        ASSERT_EQ(reading.Fault, NotebookFault::None) << "write " << failing;
        ExpectSameNotebook(reading.Content, old);
    }
}

TEST_F(NotebookFilesTest, AFolderThatCannotBeWrittenIsReportedAndKeepsWhatItHolds)
{
    // A file where the folder should be: neither the folder nor anything in it can be made.
    WriteAll(Path(QStringLiteral("KARTKI")), "not a folder");
    EXPECT_EQ(NotebookWriter().Save(Path(QStringLiteral("KARTKI")), QStringLiteral("DOM"), EightPages()),
              NotebookFault::CannotWrite);
    EXPECT_EQ(NotebookWriter().Save(Path(QStringLiteral("KARTKI/deeper")), QStringLiteral("DOM"), EightPages()),
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

Spoil ReplacePage(const char* file, const QImage& picture, const char* format)
{
    return [=](const QString& folder) { ASSERT_TRUE(picture.save(QDir(folder).filePath(QString::fromUtf8(file)), format)); };
}

struct SpoiltCase {
    const char* what;
    Spoil spoil;
    NotebookFault fault;
    const char* file = "";
};

class SpoiltNotebook : public NotebookFilesTest, public ::testing::WithParamInterface<SpoiltCase> {};

TEST_P(SpoiltNotebook, IsRefusedWithItsReason)
{
    ASSERT_EQ(Save(EightPages()), NotebookFault::None);
    GetParam().spoil(dir.path());
    const NotebookReading reading = ReadNotebook(dir.path(), QStringLiteral("DOM"));
    EXPECT_EQ(reading.Fault, GetParam().fault);
    EXPECT_EQ(reading.File, QString::fromUtf8(GetParam().file));
    EXPECT_TRUE(reading.Content.Pages.empty());
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
    {"NewerFormat", SetIndexField("format", 3), NotebookFault::BadIndex},
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
    {"PageLinkedToAnEndlessDevice", [](const QString& f) { Remove("DOM6.bmp")(f); LinkToZeroDevice(PagePath(f, "DOM", 6)); }, NotebookFault::MissingPage, "DOM6.bmp"},
    {"HugePage", [](const QString& f) { WriteSparseFile(PagePath(f, "DOM", 7), "\x89PNG", 100LL << 20); }, NotebookFault::BadPage, "DOM7.bmp"},
    {"MissingPage", Remove("DOM4.bmp"), NotebookFault::MissingPage, "DOM4.bmp"},
    {"TruncatedPage", Truncate("DOM2.bmp", 30000), NotebookFault::BadPage, "DOM2.bmp"},
    {"PageHeaderOnly", Truncate("DOM8.bmp", 20), NotebookFault::BadPage, "DOM8.bmp"},
    {"PageNotAPicture", [](const QString& f) { WriteAll(PagePath(f, "DOM", 3), "hello"); }, NotebookFault::BadPage, "DOM3.bmp"},
    {"SmallerPage", ReplacePage("DOM5.bmp", Picture({128, 128}, QImage::Format_RGB32), "BMP"), NotebookFault::BadPage, "DOM5.bmp"},
    {"WiderPage", ReplacePage("DOM1.bmp", Picture({257, 256}, QImage::Format_RGB32), "PNG"), NotebookFault::BadPage, "DOM1.bmp"},
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
    const std::optional<NotebookIndex> index = DecodeIndex(EncodeIndex(content));
    ASSERT_TRUE(index.has_value());
    EXPECT_EQ(index->CurrentPage, 5);
    ASSERT_EQ(index->Turtles.size(), 8u);
    EXPECT_TRUE(index->Turtles[7] == content.Pages[7].Turtle);
    for (const char* text : {"", "[]", "{}", "null", "{\"format\": 1}"})
        EXPECT_FALSE(DecodeIndex(text).has_value()) << text;
}

TEST(NotebookNames, RefuseOnlyWhatCannotBeAFileName)
{
    for (const char* name : {"DOM", "Żółw", "kot i pies", "BARDZO DŁUGA NAZWA", "a.b", "..a", "1"})
        EXPECT_TRUE(IsNotebookName(QString::fromUtf8(name))) << name;
    for (const char* name : {"", "   ", "a/b", "/", "a\\b", "a\tb", "x\x01", "\x7f", ".", "..", " .. "})
        EXPECT_FALSE(IsNotebookName(QString::fromUtf8(name))) << name;
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
        EXPECT_NE(reading.Fault, NotebookFault::None);
        QFile::remove(path);
        ASSERT_EQ(Save(EightPages()), NotebookFault::None);
    }
}

} // namespace
