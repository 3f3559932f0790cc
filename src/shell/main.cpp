#include "shell/Application.h"
#include "shell/DataFolder.h"
#include "shell/ExceptionBox.h"
#include "shell/Language.h"
#include "win/Fpu.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

// Without a display the window system would abort the program; say so in one line instead.
bool DisplayAvailable()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform && std::string_view(platform).rfind("xcb", 0) != 0)
        return true;
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

} // namespace

int main(int argc, char** argv)
{
    win::MaskFloatingPointExceptions();
    if (!DisplayAvailable()) {
        std::fputs("qel3d: no display to open the window on (DISPLAY is not set); start it from a desktop session\n",
                   stderr);
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Qel 3D"));
    // Without its data start-up says which file it cannot find.
    EnterDataFolder(QApplication::applicationDirPath());
    UseLanguage(StartLanguage());
    // Closing the main window ends the program, whatever other windows are still shown.
    QApplication::setQuitOnLastWindowClosed(false);
    RunGuarded([] {
        ApplicationWindows windows;
        windows.ShowMainWindow();
        QApplication::exec();
    });
    return 0;
}
