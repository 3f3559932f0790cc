#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Every test program owns one QApplication, so widget and picture code can run in any test.
int main(int argc, char** argv)
{
    // The program's own data (recovery copies) stays apart from the user's and from other tests'.
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    QApplication app(argc, argv);
    // As in the program: closing a window never ends the application by itself.
    QApplication::setQuitOnLastWindowClosed(false);
    // What a test chooses is remembered in settings of its own run, never the user's or those
    // of a test running beside it.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
