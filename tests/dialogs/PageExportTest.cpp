#include "dialogs/PageExport.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "turtle/TurtleState.h"

#include <QDir>
#include <QFileInfo>
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

} // namespace
