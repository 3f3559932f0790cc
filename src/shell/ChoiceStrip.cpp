#include "shell/ChoiceStrip.h"

#include <QAccessibleWidget>
#include <QKeyEvent>

namespace {

class AccessibleStrip final : public QAccessibleWidget {
public:
    explicit AccessibleStrip(ChoiceStrip* strip) : QAccessibleWidget(strip, QAccessible::List) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return static_cast<const ChoiceStrip*>(widget())->ChoiceText();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* StripInterface(const QString&, QObject* object)
{
    auto* strip = qobject_cast<ChoiceStrip*>(object);
    return strip ? new AccessibleStrip(strip) : nullptr; // Qt's accessibility registry owns it
}

} // namespace

ChoiceStrip::ChoiceStrip(QWidget* parent) : QLabel(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void ChoiceStrip::Serve(Cells cells, Choice choice)
{
    cells_ = cells;
    choice_ = std::move(choice);
}

QString ChoiceStrip::ChoiceText() const
{
    if (!choice_.chosen || !choice_.describe)
        return accessibleName();
    return accessibleName() + QStringLiteral(": ") + choice_.describe(choice_.chosen());
}

int ChoiceStrip::Neighbour(int cell, int key) const
{
    const int count = cells_.columns * cells_.rows;
    int next = cell;
    switch (key) {
    case Qt::Key_Left: next = cell - 1; break;
    case Qt::Key_Right: next = cell + 1; break;
    case Qt::Key_Up: next = cell - cells_.columns; break;
    case Qt::Key_Down: next = cell + cells_.columns; break;
    default: return -1;
    }
    return next >= 0 && next < count ? next : cell;
}

bool ChoiceStrip::event(QEvent* event)
{
    // The arrows belong to the strip while it has the keyboard, before any shortcut of the window.
    if (event->type() == QEvent::ShortcutOverride) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (Neighbour(0, key) >= 0 || key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            event->accept();
            return true;
        }
    }
    return QLabel::event(event);
}

void ChoiceStrip::keyPressEvent(QKeyEvent* event)
{
    if (!choice_.chosen || !choice_.pick) {
        QLabel::keyPressEvent(event);
        return;
    }
    const int cell = choice_.chosen();
    const int key = event->key();
    const int next = Neighbour(cell, key);
    if (next >= 0) {
        if (next != cell)
            choice_.pick(next, Qt::NoModifier);
    } else if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        // The arrows chose already; with Shift the cell is chosen once more, as a Shift-click.
        if (event->modifiers() & Qt::ShiftModifier)
            choice_.pick(cell, Qt::ShiftModifier);
    } else {
        QLabel::keyPressEvent(event);
        return;
    }
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    event->accept();
}

void InstallChoiceStripAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(StripInterface);
        return true;
    }();
    (void)installed;
}
