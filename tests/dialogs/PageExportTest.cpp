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

TEST(PageExportTest, TheWrittenPictureIsThePageFourTimesLargerWithSharpPixels)
{
    // Neighbouring sheet pixels differ, so any blur or shift shows.
    std::array<std::uint8_t, kSheetBytes> image{};
    for (int i = 0; i < kSheetBytes; ++i)
        image[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>((i % kSheetSize * 7 + i / kSheetSize * 3) % 16);
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Dom strona 1.png"));
    ASSERT_TRUE(PageExport({image.data(), {}, 1}).WriteTo(path));
    const QImage picture(path);
    ASSERT_EQ(picture.size(), QSize(1024, 1024));
    int wrong = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            wrong += picture.pixel(x, y) != SheetPalette()[image[static_cast<std::size_t>(y / 4 * kSheetSize + x / 4)]];
    EXPECT_EQ(wrong, 0);
}

TEST(PageExportTest, TheSuggestedFileIsNamedAfterTheNotebookAndThePage)
{
    const std::array<std::uint8_t, kSheetBytes> image{};
    const std::array<std::array<const char*, 2>, 2> names = {{{"Dom", "Dom strona 2.png"}, {"", "Rysunek strona 2.png"}}};
    for (const auto& [notebook, file] : names) {
        const QFileInfo suggested(PageExport({image.data(), QString::fromUtf8(notebook), 2}).SuggestedPath());
        EXPECT_EQ(suggested.fileName(), QString::fromUtf8(file));
        EXPECT_TRUE(suggested.dir().exists());
    }
}

TEST(PageExportTest, APictureThatCannotBeWrittenIsToldInABox)
{
    const QTemporaryDir folder;
    const std::array<std::uint8_t, kSheetBytes> image{};
    for (const QString& path : {folder.filePath(QStringLiteral("brak/obraz.png")), folder.path()}) {
        ScriptedMessageBoxes boxes;
        PageExport({image.data(), {}, 1}).SaveTo(path);
        ASSERT_EQ(boxes.Shown().size(), 1u);
        EXPECT_EQ(boxes.Shown()[0].caption, "QEL 3D");
        EXPECT_TRUE(boxes.Shown()[0].text.contains(QDir::toNativeSeparators(path)));
    }
}

} // namespace
