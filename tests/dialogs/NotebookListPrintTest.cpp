#include "storage/NotebookList.h"
#include "dialogs/NotebookPrint.h"
#include "storage/NotebookWriter.h"
#include "dialogs/OpenDlg.h"
#include "storage/NotebookFolder.h"
#include "turtle/SheetColors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr std::uint8_t kRed = 9;
constexpr std::uint8_t kLime = 10;
constexpr std::uint8_t kBlue = 12;
constexpr std::uint8_t kWhite = 15;

NotebookContent PagesInColours(std::initializer_list<std::uint8_t> colours)
{
    NotebookContent content;
    for (const std::uint8_t colour : colours) {
        PageContent page;
        std::fill(page.Image.begin(), page.Image.end(), kWhite);
        // A thick bar across the middle of the page, in the page's own colour.
        std::fill(page.Image.begin() + 96 * kSheetSize, page.Image.begin() + 160 * kSheetSize, colour);
        content.Pages.push_back(page);
    }
    return content;
}

TEST(NotebookList, ShowsTheNewestFirstWithThePictureOfItsFirstPage)
{
    QTemporaryDir dir;
    const QDateTime now = QDateTime::currentDateTime();
    const struct {
        const char* name;
        std::uint8_t colour;
        int ageSeconds;
    } notebooks[] = {{"STARY", kRed, 300}, {"NOWY", kBlue, 10}, {"Środkowy", kLime, 100}};
    for (const auto& n : notebooks) {
        const QString name = QString::fromUtf8(n.name);
        ASSERT_EQ(NotebookWriter().Save(dir.path(), name, PagesInColours({n.colour, kRed})), NotebookFault::None);
        QFile index(IndexPath(dir.path(), name));
        ASSERT_TRUE(index.open(QIODevice::ReadWrite));
        index.setFileTime(now.addSecs(-n.ageSeconds), QFileDevice::FileModificationTime);
    }
    QFile::remove(PagePath(dir.path(), QString::fromUtf8("Środkowy"), 1));
    QFile(QDir(dir.path()).filePath("notes.txt")).open(QIODevice::WriteOnly);

    const std::vector<SavedNotebook> list = ListSavedNotebooks(dir.path());
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].Name, "NOWY");
    EXPECT_EQ(list[1].Name, QString::fromUtf8("Środkowy"));
    EXPECT_EQ(list[2].Name, "STARY");
    EXPECT_EQ(list[0].FirstPage.pixel(128, 128), SheetPalette()[kBlue]);
    EXPECT_EQ(list[0].FirstPage.pixel(128, 10), SheetPalette()[kWhite]);
    EXPECT_TRUE(list[1].FirstPage.isNull()) << "listed without a picture";
    EXPECT_EQ(list[2].FirstPage.pixel(128, 128), SheetPalette()[kRed]);

    EXPECT_TRUE(ListSavedNotebooks(dir.filePath("missing")).empty());
}

TEST(NotebookList, EveryPictureInTheOpenDialogIsFramedSoAWhitePageShows)
{
    QImage white(kSheetSize, kSheetSize, QImage::Format_RGB32);
    white.fill(Qt::white);
    TOpenDlg dialog;
    dialog.ShowNotebooks({{QStringLiteral("PUSTY"), {}, white}, {QStringLiteral("ZEPSUTY"), {}, {}}});
    const auto* list = dialog.findChild<QListWidget*>(QStringLiteral("NotebookList"));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 2);
    for (int row = 0; row < list->count(); ++row) {
        const QImage picture = list->item(row)->icon().pixmap(list->iconSize()).toImage();
        ASSERT_FALSE(picture.isNull()) << row;
        EXPECT_NE(picture.pixel(0, 0), QColor(Qt::white).rgb()) << row << ": the frame";
        EXPECT_NE(picture.pixel(picture.width() - 1, picture.height() / 2), QColor(Qt::white).rgb()) << row;
        EXPECT_EQ(picture.pixel(picture.width() / 4, picture.height() / 4), QColor(Qt::white).rgb()) << row;
    }
}

// Runs a tool of the system's PDF utilities and returns what it printed.
QString RunPdfTool(const QString& tool, const QStringList& arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    EXPECT_FALSE(program.isEmpty()) << tool.toStdString() << " is missing: run scripts/setup.sh";
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST(NotebookPrint, PrintsEveryPageOnASheetOfItsOwnInItsColours)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath("zeszyt.pdf");
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    const NotebookContent content = PagesInColours({kRed, kBlue, kLime});
    ASSERT_TRUE(PrintNotebook(printer, content, QStringLiteral("DOM")));

    EXPECT_TRUE(RunPdfTool("pdfinfo", {pdf}).contains(QRegularExpression("Pages:\\s+3\\n")));
    EXPECT_TRUE(RunPdfTool("pdftotext", {"-f", "2", "-l", "2", pdf, "-"}).contains(QString::fromUtf8("Zeszyt DOM – strona 2 z 3")));

    RunPdfTool("pdftoppm", {"-r", "20", "-png", pdf, dir.filePath("page")});
    const std::uint8_t bars[] = {kRed, kBlue, kLime};
    for (int page = 1; page <= 3; ++page) {
        const QImage shown(dir.filePath(QStringLiteral("page-%1.png").arg(page)));
        ASSERT_FALSE(shown.isNull()) << page;
        // The bar of the page's own colour covers a good part of the paper; the others are absent.
        for (const std::uint8_t colour : bars) {
            int count = 0;
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x)
                    count += (shown.pixel(x, y) & 0xFFFFFF) == (SheetPalette()[colour] & 0xFFFFFF);
            if (colour == bars[page - 1])
                EXPECT_GT(count, shown.width() * shown.height() / 25)
                    << page << ": the middle shows " << std::hex << shown.pixel(shown.rect().center());
            else
                EXPECT_EQ(count, 0) << page;
        }
    }

    QPrinter nowhere;
    nowhere.setOutputFormat(QPrinter::PdfFormat);
    nowhere.setOutputFileName(dir.filePath("no/such/folder/zeszyt.pdf"));
    EXPECT_FALSE(PrintNotebook(nowhere, content, QStringLiteral("DOM")));
}

TEST(NotebookPrint, WithNoPrinterTheFileSuggestedIsTheNotebookInTheDocumentsFolder)
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "a printer is set up here";
    QPrinter printer;
    SuggestPrintFile(printer, QString::fromUtf8("Żółw"));
    EXPECT_EQ(printer.docName(), QString::fromUtf8("Żółw"));
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    EXPECT_EQ(printer.outputFileName(), QDir(documents).filePath(QString::fromUtf8("Żółw.pdf")));
}

} // namespace
