#pragma once

#include <QObject>
#include <QRect>

#include <optional>

class QMainWindow;
class QSettings;

// The main window's size, place and maximised state as the user last left them.
struct WindowPlace {
    QRect rect; // without the frame
    bool maximised = false;
};

// The size of the window on a first start: its smallest size, or about two thirds of the
// available height on a screen with room for it, wider in the same proportion, within the area.
QSize FirstSize(const QSize& smallest, const QRect& available);

// A stored place, if its top edge, where the title bar is grabbed, lies on one of the screens
// and it is at least as large as the window's smallest size.
std::optional<QRect> UsablePlace(const QRect& stored, const QSize& smallest, const QList<QRect>& screens);

std::optional<WindowPlace> ReadWindowPlace(const QSettings& settings);
void WriteWindowPlace(QSettings& settings, const WindowPlace& place);

// Gives the window, before it is first shown, the place it had when the program last ended, or
// its first size; stores the place again when the application quits.
class WindowMemory final : public QObject {
    Q_OBJECT
public:
    explicit WindowMemory(QMainWindow& window);

private:
    void Restore();
    void Store() const;

    QMainWindow& window_;
};
