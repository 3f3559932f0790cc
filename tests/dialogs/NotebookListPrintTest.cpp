#include "storage/NotebookList.h"
#include "dialogs/NotebookPrint.h"
#include "storage/NotebookWriter.h"
#include "dialogs/NotebookPreviewLoader.h"
#include "dialogs/OpenDlg.h"
#include "storage/NotebookFolder.h"
#include "turtle/SheetColors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QTest>
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

TEST(NotebookList, ShowsEveryNotebookByNameAndFillsInPicturesWarningsAndNames)
{
    QTemporaryDir dir;
    const struct {
        const char* name;
        std::uint8_t colour;
    } notebooks[] = {{"zeszyt 10", kRed}, {"Bocian", kBlue}, {"zeszyt 9", kLime}, {"ZEPSUTY", kRed},
                     {"bez kartki", kRed}};
    for (const auto& n : notebooks)
        ASSERT_EQ(NotebookWriter().Save(dir.path(), QString::fromUtf8(n.name), PagesInColours({n.colour, kRed})).Fault,
                  NotebookFault::None);
    QFile::remove(PagePath(dir.path(), QStringLiteral("bez kartki"), 1));
    QFile spoilt(IndexPath(dir.path(), QStringLiteral("ZEPSUTY")));
    ASSERT_TRUE(spoilt.open(QIODevice::WriteOnly | QIODevice::Truncate));
    spoilt.write("{");
    spoilt.close();
    QFile(QDir(dir.path()).filePath("notes.txt")).open(QIODevice::WriteOnly);
    QFile(QDir(dir.path()).filePath(".ukryty.qel3d")).open(QIODevice::WriteOnly);

    const std::vector<SavedNotebook> list = ListSavedNotebooks(dir.path());
    QStringList names;
    for (const SavedNotebook& notebook : list)
        names.append(notebook.Name);
    EXPECT_EQ(names, QStringList({"bez kartki", "Bocian", "ZEPSUTY", "zeszyt 10", "zeszyt 9"}));
    EXPECT_TRUE(ListSavedNotebooks(dir.filePath("missing")).empty());

    TOpenDlg dialog;
    dialog.ShowNotebooks(list);
    const auto* shown = dialog.findChild<QListWidget*>(QStringLiteral("NotebookList"));
    const auto* empty = dialog.findChild<QLabel*>(QStringLiteral("EmptyLabel"));
    ASSERT_TRUE(shown && empty);
    ASSERT_EQ(shown->count(), 5);
    EXPECT_TRUE(empty->isHidden());
    // The pictures come in the background; the warning's tooltip is the last thing set.
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown->item(2)->toolTip().contains('\n'); }, 5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown->item(4)->data(Qt::DecorationRole).typeId() == QMetaType::QImage; }, 5000));
    for (int row = 0; row < shown->count(); ++row)
        EXPECT_TRUE(shown->item(row)->toolTip().startsWith(names[row])) << row;
    EXPECT_TRUE(shown->item(2)->toolTip().contains(QStringLiteral("ZEPSUTY.qel3d"))) << "the reason";
    const QImage bocian = shown->item(1)->data(Qt::DecorationRole).value<QImage>();
    EXPECT_EQ(bocian.pixel(32, 32), SheetPalette()[kBlue]);
    EXPECT_EQ(bocian.pixel(32, 10), SheetPalette()[kWhite]);
    EXPECT_NE(bocian.pixel(0, 0), SheetPalette()[kWhite]) << "the frame";
    EXPECT_NE(shown->item(0)->data(Qt::DecorationRole).typeId(), QMetaType::QImage) << "no first page, no picture";

    dialog.ShowNotebooks({});
    EXPECT_EQ(shown->count(), 0);
    EXPECT_FALSE(empty->isHidden());
    EXPECT_EQ(empty->text(), QString::fromUtf8("Nie zapisano jeszcze żadnego zeszytu."));
}

TEST(NotebookList, SmallPicturesKeepThinLinesAndAFrameSoAWhitePageShows)
{
    std::vector<std::uint8_t> page(kSheetBytes, kWhite);
    for (int column = 0; column < kSheetSize; ++column)
        page[static_cast<std::size_t>(130 * kSheetSize + column)] = kRed; // one pixel high
    const QImage picture = SmallPagePicture(page);
    ASSERT_EQ(picture.size(), QSize(64, 64));
    EXPECT_EQ(picture.pixel(20, 130 / 4), SheetPalette()[kRed]);
    EXPECT_EQ(picture.pixel(20, 20), SheetPalette()[kWhite]);
    for (const QPoint corner : {QPoint(0, 0), QPoint(63, 32), QPoint(32, 63)})
        EXPECT_NE(picture.pixel(corner), SheetPalette()[kWhite]);
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
