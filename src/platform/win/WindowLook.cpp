#include "win/WindowLook.h"

#include "win/InputLock.h"

#include <QFont>
#include <QLayout>
#include <QWidget>

namespace win {

void UseWindowLook(QWidget& window)
{
    KeepLookWhileLocked();
    // Metric-compatible with the sans serif the layouts were measured in, so no text outgrows
    // its place.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    window.setFont(font);
    // A window with a layout (the main window's menu bar above its client area) is fixed at
    // what the layout needs; a plain one at its own size.
    if (QLayout* layout = window.layout())
        layout->setSizeConstraint(QLayout::SetFixedSize);
    else
        window.setFixedSize(window.size());
}

} // namespace win
