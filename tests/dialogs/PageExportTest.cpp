#include "dialogs/PageExport.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "turtle/TurtleState.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>

namespace {

TEST(PageExportTest, APictureThatCannotBeWrittenIsToldInABoxAndANamedNotebookNamesIt)
{
    const QTemporaryDir folder;
    const std::array<std::uint8_t, kSheetBytes> image{};
    const PageExport page({image.data(), QStringLiteral("Dom"), 2});
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
    const QString suggested = PageExport({image.data(), {}, 1}).SuggestedPath();
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    qputenv("HOME", homeBefore);
    qputenv("XDG_CONFIG_HOME", configBefore);
    ASSERT_TRUE(pictures.startsWith(home.path())) << pictures.toStdString();
    EXPECT_EQ(QFileInfo(suggested).absolutePath(), pictures);
    EXPECT_EQ(QFileInfo(suggested).fileName(), "Rysunek, strona 1.png");
    EXPECT_TRUE(QFileInfo(pictures).isDir()) << "made for the picture";
}

} // namespace
