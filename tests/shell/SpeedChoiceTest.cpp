#include "shell/SpeedChoice.h"

#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

// The dials of the choices are the window's pictures, which the window itself would load.
static void LoadShellPictures()
{
    Q_INIT_RESOURCE(qel3d);
}

namespace {

constexpr TurtlePace kPaces[] = {TurtlePace::Slow, TurtlePace::Normal, TurtlePace::Fast, TurtlePace::Instant};

TEST(SpeedChoiceTest, StoredPacesReadBackAndAnythingElseIsNormal)
{
    const QTemporaryDir folder;
    QSettings settings(folder.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    EXPECT_EQ(StoredPace(settings), TurtlePace::Normal);
    for (const TurtlePace pace : kPaces) {
        StorePace(settings, pace);
        EXPECT_EQ(StoredPace(settings), pace);
    }
    for (const char* strange : {"", "Szybko", "3", "INSTANT", "instant "}) {
        settings.setValue(QStringLiteral("turtle/speed"), QString::fromUtf8(strange));
        EXPECT_EQ(StoredPace(settings), TurtlePace::Normal) << strange;
    }
}

// The options menu and the tool bar as the window has them.
struct Window {
    Window()
    {
        LoadShellPictures();
        AddSpeedChoice(speed, options, screen, toolBar);
    }

    QMenu* Choice() const { return options.actions().constFirst()->menu(); }
    QAction* Item(int i) const { return Choice()->actions().at(i); }

    QMenu options;
    QAction* screen = options.addAction(QStringLiteral("&Ekran"));
    QToolBar toolBar;
    TurtleSpeed speed;
};

TEST(SpeedChoiceTest, TheMenuAndTheToolBarOfferTheFourPacesAndTheChoiceIsRemembered)
{
    {
        const Window window;
        ASSERT_NE(window.Choice(), nullptr);
        EXPECT_EQ(window.Choice()->title(), QString::fromUtf8("&Szybkość żółwia"));
        EXPECT_EQ(window.options.actions().at(1), window.screen);
        const char* texts[] = {"&Wolno", "&Normalnie", "&Szybko", "&Błyskawicznie"};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(window.Item(i)->text(), QString::fromUtf8(texts[i]));
            EXPECT_EQ(window.Item(i)->isChecked(), i == 1) << "Normal at first";
        }
        auto* button = qobject_cast<QToolButton*>(window.toolBar.widgetForAction(window.Choice()->menuAction()));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->popupMode(), QToolButton::InstantPopup);
        EXPECT_FALSE(button->icon().isNull());

        window.Item(3)->trigger();
        EXPECT_EQ(window.speed.Pace(), TurtlePace::Instant);
        EXPECT_FALSE(window.Item(1)->isChecked());
    }
    // The next run starts where the last one left off.
    const Window next;
    EXPECT_EQ(next.speed.Pace(), TurtlePace::Instant);
    EXPECT_TRUE(next.Item(3)->isChecked());
    next.Item(0)->trigger();
    EXPECT_EQ(next.speed.Pace(), TurtlePace::Slow);
    EXPECT_EQ(Window().speed.Pace(), TurtlePace::Slow);
}

} // namespace
