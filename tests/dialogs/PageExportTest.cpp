#include "dialogs/PageExport.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "turtle/SheetColors.h"
#include "turtle/TurtleState.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <set>

namespace {

TEST(PageExportTest, APictureThatCannotBeWrittenIsToldInABoxAndANamedNotebookNamesIt)
{
    const QTemporaryDir folder;
    const std::array<std::uint8_t, kSheetBytes> image{};
    const PageExport page({image.data(), QStringLiteral("Dom"), 2}, PageEdges::Smooth);
    EXPECT_EQ(QFileInfo(page.SuggestedPath()).fileName(), "Dom, strona 2.png");
    for (const QString& path : {folder.filePath(QStringLiteral("brak/obraz.png")), folder.path()}) {
        ScriptedMessageBoxes boxes;
        page.SaveTo(path);
        ASSERT_EQ(boxes.Shown().size(), 1u);
        EXPECT_EQ(boxes.Shown()[0].caption, "QEL 3D");
        EXPECT_TRUE(boxes.Shown()[0].text.contains(QDir::toNativeSeparators(path)));
    }
}

TEST(PageExportTest, APictureGoesToThePicturesFolderMadeWhenItIsMissing)
{
    const QTemporaryDir home;
    const QByteArray homeBefore = qgetenv("HOME"), configBefore = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral(".config")).toUtf8());
    const std::array<std::uint8_t, kSheetBytes> image{};
    const QString suggested = PageExport({image.data(), {}, 1}, PageEdges::Sharp).SuggestedPath();
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    qputenv("HOME", homeBefore);
    qputenv("XDG_CONFIG_HOME", configBefore);
    ASSERT_TRUE(pictures.startsWith(home.path())) << pictures.toStdString();
    EXPECT_EQ(QFileInfo(suggested).absolutePath(), pictures);
    EXPECT_EQ(QFileInfo(suggested).fileName(), "Rysunek, strona 1.png");
    EXPECT_TRUE(QFileInfo(pictures).isDir()) << "made for the picture";
}

// A diagonal on white: enlarged with sharp pixels its steps are squares; with smooth edges the
// step beside page pixel (10, 10) is filled in. Either way only the page's colours are written.
struct Enlarged {
    PageEdges edges;
    QRgb step;
};

class PageExportEdges : public ::testing::TestWithParam<Enlarged> {};

TEST_P(PageExportEdges, APictureFourTimesLargerInThePagesColours)
{
    std::array<std::uint8_t, kSheetBytes> image;
    image.fill(15);
    for (int i = 0; i < 40; ++i)
        image[i * kSheetSize + i] = 9;
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("obraz.png"));
    ASSERT_TRUE(PageExport({image.data(), {}, 1}, GetParam().edges).SaveTo(path));
    const QImage saved = QImage(path).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(saved.size(), QSize(1024, 1024));
    std::set<QRgb> colours;
    for (int y = 0; y < saved.height(); ++y)
        for (int x = 0; x < saved.width(); ++x)
            colours.insert(saved.pixel(x, y));
    EXPECT_EQ(colours, (std::set<QRgb>{SheetPalette()[9] | 0xFF000000u, SheetPalette()[15] | 0xFF000000u}));
    EXPECT_EQ(saved.pixel(44, 42), GetParam().step | 0xFF000000u);
}

INSTANTIATE_TEST_SUITE_P(PageExportTest, PageExportEdges,
                         ::testing::Values(Enlarged{PageEdges::Sharp, SheetPalette()[15]},
                                           Enlarged{PageEdges::Smooth, SheetPalette()[9]}));

} // namespace
