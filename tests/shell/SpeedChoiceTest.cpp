#include "shell/SpeedChoice.h"

#include <QMenu>
#include <QSettings>
#include <QToolBar>

#include <gtest/gtest.h>

// The dials of the choices are the window's pictures, which the window itself would load.
static void LoadShellPictures()
{
    Q_INIT_RESOURCE(qel3d);
}

namespace {

// The speed the choice of a new window starts with, after `choose` picks an item of the last one.
TurtlePace NextRunAfter(int choose)
{
    LoadShellPictures();
    QMenu options;
    QToolBar toolBar;
    TurtleSpeed speed;
    AddSpeedChoice(speed, options, nullptr, toolBar);
    const QList<QAction*> items = options.actions().constFirst()->menu()->actions();
    EXPECT_TRUE(items.at(static_cast<int>(speed.Pace()))->isChecked());
    if (choose >= 0)
        items.at(choose)->trigger();
    return speed.Pace();
}

TEST(SpeedChoiceTest, TheChoiceIsRememberedAndAnythingUnknownIsNormal)
{
    for (int choose = 3; choose >= 0; --choose) {
        EXPECT_EQ(NextRunAfter(choose), static_cast<TurtlePace>(choose));
        EXPECT_EQ(NextRunAfter(-1), static_cast<TurtlePace>(choose)) << "the next run";
    }
    QSettings settings(QStringLiteral("Qel 3D"), QStringLiteral("Qel 3D"));
    for (const char* strange : {"", "Szybko", "3", "INSTANT", "instant "}) {
        settings.setValue(QStringLiteral("turtle/speed"), QString::fromUtf8(strange));
        settings.sync();
        EXPECT_EQ(NextRunAfter(-1), TurtlePace::Normal) << strange;
    }
}

} // namespace
