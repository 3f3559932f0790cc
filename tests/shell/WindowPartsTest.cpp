#include "shell/CornerStatus.h"
#include "shell/SavedFileNotice.h"
#include "shell/SpokenNotice.h"
#include "shell/SpokenPlace.h"
#include "shell/StatusPanels.h"
#include "shell/WindowMemory.h"
#include "shell/WindowTitle.h"
#include "turtle/TurtleMotion.h"

#include <QLabel>
#include <QMainWindow>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(WindowMemory, AFirstStartTakesTwoThirdsOfALargeScreensHeight)
{
    const QSize smallest(625, 447);
    const struct {
        const char* name;
        QRect available;
        QSize expected;
    } cases[] = {
        {"1280 × 1024", {0, 0, 1280, 994}, {925, 662}},
        {"a small screen keeps the smallest size", {0, 0, 800, 600}, smallest},
        {"exactly two thirds is no gain", {0, 0, 1024, 670}, smallest},
        {"a narrow tall screen limits the width", {0, 0, 700, 1900}, {700, 1266}},
        {"an empty area", {}, smallest},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FirstSize(smallest, c.available), c.expected) << c.name;
}

TEST(WindowMemory, AStoredPlaceIsUsedOnlyWhereItsTitleBarCanBeGrabbed)
{
    const QSize smallest(625, 447);
    const QList<QRect> screens = {{0, 0, 1280, 994}, {1280, 0, 1920, 1050}};
    const struct {
        const char* name;
        QRect stored;
        bool usable;
    } cases[] = {
        {"on the first screen", {100, 80, 900, 660}, true},
        {"on the second screen", {1500, 100, 900, 660}, true},
        {"across both", {1000, 100, 900, 660}, true},
        {"on a screen unplugged since", {3400, 100, 900, 660}, false},
        {"title bar above every screen", {100, -400, 900, 660}, false},
        {"only a sliver of the top edge on a screen", {-880, 100, 900, 660}, false},
        {"smaller than the window can be", {100, 80, 300, 200}, false},
        {"nothing stored", {}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UsablePlace(c.stored, smallest, screens).has_value(), c.usable) << c.name;
}

TEST(WindowMemory, ThePlaceComesBackAsItWasStored)
{
    const QTemporaryDir folder;
    QSettings settings(folder.filePath(QStringLiteral("place.ini")), QSettings::IniFormat);
    EXPECT_FALSE(ReadWindowPlace(settings).has_value());
    WriteWindowPlace(settings, {{40, 50, 900, 660}, true});
    const std::optional<WindowPlace> back = ReadWindowPlace(settings);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->rect, QRect(40, 50, 900, 660));
    EXPECT_TRUE(back->maximised);
    settings.setValue(QStringLiteral("window/rect"), QStringLiteral("not a place"));
    EXPECT_FALSE(UsablePlace(ReadWindowPlace(settings).value_or(WindowPlace{}).rect, {625, 447}, {{0, 0, 1280, 994}}));
}

TEST(WindowTitle, NamesTheNotebookAndLeavesRoomForTheUnsavedMark)
{
    EXPECT_EQ(MainWindowTitle(QStringLiteral("KLASA")), QStringLiteral("KLASA – Qel 3D[*]"));
    EXPECT_EQ(MainWindowTitle({}), QStringLiteral("Qel 3D[*]"));
}

TEST(CornerStatus, LettersAreAtLeast24PixelsAndGrowWithTheScreen)
{
    const struct {
        int lines;
        int pixels;
    } cases[] = {{1080, 24}, {768, 24}, {2160, 48}, {1440, 32}, {1200, 27}, {0, 24}, {-5, 24}, {1'000'000, 240}};
    for (const auto& c : cases)
        EXPECT_EQ(CornerLetterPixels(c.lines), c.pixels) << c.lines;
}

TEST(SpokenPlace, SaysThePlaceAsTheStatusBarShowsItAndTheHeadingInWholeDegrees)
{
    const struct {
        double x, y, heading;
        const char* spoken;
    } cases[] = {
        {0, 100, 0, "X 0, Y 100, kierunek 0"},
        {-0.7, 99.9, TurtleMotion::kRightAngle, "X 0, Y 99, kierunek 90"},
        {-12.5, -3, -TurtleMotion::kRightAngle, "X -12, Y -3, kierunek -90"},
        {0, 0, TurtleMotion::kRightAngle * (89.6 / 90), "X 0, Y 0, kierunek 90"},
        {1e300, -1e300, 0, "X 9223372036854775807, Y -9223372036854775808, kierunek 0"},
    };
    for (const auto& c : cases) {
        TTurtleState turtle;
        turtle.X = c.x;
        turtle.Y = c.y;
        turtle.Heading = c.heading;
        EXPECT_EQ(SpokenPlace(turtle), QString::fromUtf8(c.spoken));
    }
}

// A failure stays in the notebook's panel over the name that every command shows again, whole in
// the panel's hint and for a screen reader, until a plain notice follows it.
TEST(StatusPanels, AFailureStaysWholeOverTheNotebooksName)
{
    QMainWindow window;
    auto* bar = new QStatusBar(&window);
    window.setStatusBar(bar);
    StatusPanels panels(*bar);
    auto* first = bar->findChildren<QLabel*>(Qt::FindDirectChildrenOnly).value(0);
    auto* spoken = bar->findChild<SpokenNotice*>(QStringLiteral("FailureNotice"));
    ASSERT_TRUE(first && spoken);
    const QString failure = QStringLiteral("Nie można zachować kopii zapasowej rysunków: folder %1 jest tylko do odczytu.")
                                .arg(QString(80, QLatin1Char('x')));

    panels.ShowFailure(failure);
    panels.ShowNotebook(QStringLiteral("Dom"), true); // the next command
    EXPECT_EQ(panels.Text(0), failure);
    EXPECT_EQ(first->toolTip(), failure) << "cut at the panel's edge, whole in the hint";
    EXPECT_NE(first->text(), failure);
    EXPECT_TRUE(failure.startsWith(first->text().chopped(1)));
    EXPECT_EQ(first->accessibleName(), failure);
    EXPECT_EQ(spoken->Text(), failure) << "a screen reader hears it whole";

    panels.ShowNotice(QStringLiteral("Żółw doszedł do brzegu strony."));
    EXPECT_EQ(panels.Text(0), QStringLiteral("Żółw doszedł do brzegu strony."));
    EXPECT_TRUE(first->toolTip().isEmpty()) << "whole in the panel";
    panels.ShowNotebook(QStringLiteral("Dom"), true);
    EXPECT_EQ(panels.Text(0), QStringLiteral("Zeszyt: Dom *"));
}

TEST(SavedFileNotice, NamesTheFileAndItsFolderInWords)
{
    EXPECT_EQ(SavedPictureNotice(QStringLiteral("/home/ala/Obrazy/Domek, strona 1.png")),
              QStringLiteral("Obraz zapisano jako Domek, strona 1.png w folderze Obrazy."));
    EXPECT_EQ(SavedAnimationNotice(QStringLiteral("/home/ala/Obrazy/Domek, strona 1.gif")),
              QStringLiteral("Animację zapisano jako Domek, strona 1.gif w folderze Obrazy."));
    EXPECT_EQ(SavedPictureNotice(QStringLiteral("/a.png")), QStringLiteral("Obraz zapisano jako a.png w folderze /."));
}

} // namespace
