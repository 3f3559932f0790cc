#include "shell/WindowMemory.h"

#include "shell/ProgramSettings.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>

#include <algorithm>

namespace {

const QString kRectKey = QStringLiteral("window/rect");
const QString kMaximisedKey = QStringLiteral("window/maximised");
// How much of the top edge must lie on a screen for the title bar to be grabbed.
constexpr int kGrabbableEdge = 60;

} // namespace

QSize FirstSize(const QSize& smallest, const QRect& available)
{
    const int height = available.height() * 2 / 3;
    if (height <= smallest.height() || smallest.height() <= 0)
        return smallest;
    const int width = static_cast<int>(static_cast<long long>(smallest.width()) * height / smallest.height());
    return {std::clamp(width, smallest.width(), std::max(smallest.width(), available.width())), height};
}

std::optional<QRect> UsablePlace(const QRect& stored, const QSize& smallest, const QList<QRect>& screens)
{
    if (!stored.isValid() || stored.width() < smallest.width() || stored.height() < smallest.height())
        return std::nullopt;
    const QRect topEdge(stored.left(), stored.top(), stored.width(), 1);
    for (const QRect& screen : screens)
        if (screen.intersected(topEdge).width() >= std::min(kGrabbableEdge, stored.width()))
            return stored;
    return std::nullopt;
}

std::optional<WindowPlace> ReadWindowPlace(const QSettings& settings)
{
    const QVariant rect = settings.value(kRectKey);
    if (!rect.canConvert<QRect>())
        return std::nullopt;
    return WindowPlace{rect.toRect(), settings.value(kMaximisedKey).toBool()};
}

void WriteWindowPlace(QSettings& settings, const WindowPlace& place)
{
    settings.setValue(kRectKey, place.rect);
    settings.setValue(kMaximisedKey, place.maximised);
}

WindowMemory::WindowMemory(QMainWindow& window) : QObject(&window), window_(window)
{
    Restore();
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { Store(); });
}

void WindowMemory::Restore()
{
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.push_back(screen->availableGeometry());
    const QSize smallest = window_.minimumSizeHint().expandedTo(window_.size());
    const std::optional<WindowPlace> stored = ReadWindowPlace(ProgramSettings());
    if (const std::optional<QRect> usable = stored ? UsablePlace(stored->rect, smallest, screens) : std::nullopt) {
        window_.setGeometry(*usable);
        if (stored->maximised)
            window_.setWindowState(window_.windowState() | Qt::WindowMaximized);
        return;
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window_.resize(FirstSize(smallest, screen->availableGeometry()));
}

void WindowMemory::Store() const
{
    QSettings settings = ProgramSettings();
    WriteWindowPlace(settings, {window_.normalGeometry(), window_.isMaximized()});
}
