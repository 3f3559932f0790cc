#include "dialogs/PageExport.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "turtle/SheetColors.h"
#include "turtle/TurtleState.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>

namespace {

// A drawing in which neighbouring sheet pixels differ, so any blur or shift shows.
std::array<std::uint8_t, kSheetBytes> Pattern()
{
    std::array<std::uint8_t, kSheetBytes> image{};
    for (int i = 0; i < kSheetBytes; ++i)
        image[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>((i % kSheetSize * 7 + i / kSheetSize * 3) % 16);
    return image;
}

bool ShowsPattern(const QImage& picture)
{
    const std::array<std::uint8_t, kSheetBytes> image = Pattern();
    if (picture.size() != QSize(1024, 1024))
        return false;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) != SheetPalette()[image[static_cast<std::size_t>(y / 4 * kSheetSize + x / 4)]])
                return false;
    return true;
}

TEST(PageExportTest, ThePictureIsThePageFourTimesLargerWithSharpPixels)
{
    const auto image = Pattern();
    EXPECT_TRUE(ShowsPattern(PageExport({image.data(), {}, 1}).Picture()));
}

TEST(PageExportTest, TheSuggestedFileIsNamedAfterTheNotebookAndThePage)
{
    const auto image = Pattern();
    const struct {
        const char* notebook;
        int page;
        const char* file;
    } cases[] = {{"Dom", 2, "Dom strona 2.png"}, {"", 1, "Rysunek strona 1.png"}, {"Żółw i kot", 8, "Żółw i kot strona 8.png"}};
    for (const auto& c : cases) {
        const QFileInfo suggested(PageExport({image.data(), QString::fromUtf8(c.notebook), c.page}).SuggestedPath());
        EXPECT_EQ(suggested.fileName(), QString::fromUtf8(c.file));
        EXPECT_TRUE(suggested.dir().exists()) << suggested.filePath().toStdString();
    }
}

TEST(PageExportTest, AWrittenPictureReadsBackAsThePage)
{
    const QTemporaryDir folder;
    const auto image = Pattern();
    const QString path = folder.filePath(QStringLiteral("Dom strona 1.png"));
    ASSERT_TRUE(PageExport({image.data(), {}, 1}).WriteTo(path));
    EXPECT_TRUE(ShowsPattern(QImage(path)));
}

TEST(PageExportTest, APictureThatCannotBeWrittenIsToldInABox)
{
    const QTemporaryDir folder;
    const auto image = Pattern();
    const PageExport page({image.data(), {}, 1});
    for (const QString& path : {folder.filePath(QStringLiteral("brak/obraz.png")), folder.path()}) {
        ScriptedMessageBoxes boxes;
        EXPECT_FALSE(page.WriteTo(path));
        page.SaveTo(path);
        ASSERT_EQ(boxes.Shown().size(), 1u);
        EXPECT_EQ(boxes.Shown()[0].caption, "QEL 3D");
        EXPECT_TRUE(boxes.Shown()[0].text.contains(QDir::toNativeSeparators(path)));
    }
    EXPECT_FALSE(QFileInfo::exists(folder.filePath(QStringLiteral("brak"))));
}

} // namespace
