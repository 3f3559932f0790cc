#include "win/InputLock.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>
#include <QVariant>
#include <QWidget>

namespace win {

namespace {

constexpr char kLockedProperty[] = "inputLocked";

// Disabled only because its window's input is locked: no widget on the way up to the window
// was disabled by itself.
bool DisabledByLockOnly(const QWidget* widget)
{
    if (widget == nullptr || widget->isEnabled())
        return false;
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (w->isWindow())
            return w->property(kLockedProperty).toBool();
        if (w->testAttribute(Qt::WA_ForceDisabled))
            return false;
    }
    return false;
}

const QWidget* PaintedWidget(const QPainter* painter)
{
    QPaintDevice* device = painter != nullptr ? painter->device() : nullptr;
    return device != nullptr && device->devType() == QInternal::Widget ? static_cast<const QWidget*>(device) : nullptr;
}

QPalette::ColorGroup NormalGroup(const QWidget& widget)
{
    return widget.isActiveWindow() ? QPalette::Active : QPalette::Inactive;
}

// The base style draws the option as for an enabled widget; the caller's option is put back
// as it was afterwards.
class LockedLookStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        AsEnabled(option, widget, [&] { QProxyStyle::drawPrimitive(element, option, painter, widget); });
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        AsEnabled(option, widget, [&] { QProxyStyle::drawControl(element, option, painter, widget); });
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override
    {
        AsEnabled(option, widget, [&] { QProxyStyle::drawComplexControl(control, option, painter, widget); });
    }

    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette, bool enabled,
                      const QString& text, QPalette::ColorRole textRole) const override
    {
        const QWidget* widget = PaintedWidget(painter);
        if (!enabled && DisabledByLockOnly(widget)) {
            QPalette normal = palette;
            normal.setCurrentColorGroup(NormalGroup(*widget));
            QProxyStyle::drawItemText(painter, rect, flags, normal, true, text, textRole);
            return;
        }
        QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, textRole);
    }

    QPixmap generatedIconPixmap(QIcon::Mode mode, const QPixmap& pixmap, const QStyleOption* option) const override
    {
        if (mode == QIcon::Disabled && option != nullptr
            && DisabledByLockOnly(qobject_cast<const QWidget*>(option->styleObject)))
            return pixmap;
        return QProxyStyle::generatedIconPixmap(mode, pixmap, option);
    }

private:
    template <class Draw>
    static void AsEnabled(const QStyleOption* option, const QWidget* widget, Draw&& draw)
    {
        if (option == nullptr || !DisabledByLockOnly(widget)) {
            draw();
            return;
        }
        auto& shown = const_cast<QStyleOption&>(*option);
        const QStyle::State state = shown.state;
        const QPalette::ColorGroup group = shown.palette.currentColorGroup();
        // Enabled, and not hovered: a locked control gets no word that the mouse has left it.
        shown.state = (shown.state | State_Enabled) & ~State_MouseOver;
        shown.palette.setCurrentColorGroup(NormalGroup(*widget));
        draw();
        shown.state = state;
        shown.palette.setCurrentColorGroup(group);
    }
};

} // namespace

InputLock::InputLock(QWidget& window) : window_(window) {}

void InputLock::Lock()
{
    // The mark is up before the controls repaint as disabled.
    window_.setProperty(kLockedProperty, true);
    focus_ = window_.focusWidget();
    window_.setEnabled(false);
}

void InputLock::Unlock()
{
    window_.setEnabled(true);
    window_.setProperty(kLockedProperty, false);
    // Disabling took the keyboard from the control that had it.
    if (focus_ && focus_->isEnabled())
        focus_->setFocus();
    focus_.clear();
}

void KeepLookWhileLocked()
{
    if (dynamic_cast<LockedLookStyle*>(QApplication::style()) == nullptr)
        QApplication::setStyle(new LockedLookStyle(QApplication::style()->name()));
}

} // namespace win
