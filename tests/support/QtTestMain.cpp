#include <QApplication>

#include <gtest/gtest.h>

// Every test program owns one QApplication, so widget and picture code can run in any test.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // As in the program: closing a window never ends the application by itself.
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
