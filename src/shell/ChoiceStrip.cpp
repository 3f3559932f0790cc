#include "shell/ChoiceStrip.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPointer>

#include <algorithm>
#include <vector>

namespace {

// One cell of a strip, as a screen reader lists it; it has no object of its own.
class AccessibleCell final : public QAccessibleInterface {
public:
    AccessibleCell(ChoiceStrip* strip, int cell) : strip_(strip), cell_(cell) {}

    bool isValid() const override { return strip_ && cell_ < strip_->CellCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return strip_ ? strip_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(strip_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name && strip_ ? strip_->CellText(cell_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!strip_)
            return {};
        const QRect cell = strip_->CellRect(cell_);
        return {strip_->mapToGlobal(cell.topLeft()), cell.size()};
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.selectable = true;
        state.selected = strip_ && strip_->Chosen(cell_);
        state.invisible = !strip_ || !strip_->isVisible();
        return state;
    }

private:
    QPointer<ChoiceStrip> strip_;
    int cell_;
};

class AccessibleStrip final : public QAccessibleWidget {
public:
    explicit AccessibleStrip(ChoiceStrip* strip) : QAccessibleWidget(strip, QAccessible::List) {}
    ~AccessibleStrip() override
    {
        for (const QAccessible::Id id : cells_)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return Strip().CellCount(); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        // Made once each and kept, as the accessibility registry expects of the same item.
        while (static_cast<int>(cells_.size()) <= index)
            cells_.push_back(QAccessible::registerAccessibleInterface(
                new AccessibleCell(const_cast<ChoiceStrip*>(&Strip()), static_cast<int>(cells_.size()))));
        return QAccessible::accessibleInterface(cells_[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (std::size_t i = 0; i < cells_.size(); ++i)
            if (QAccessible::accessibleInterface(cells_[i]) == child)
                return static_cast<int>(i);
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint inStrip = Strip().mapFromGlobal(QPoint(x, y));
        for (int cell = 0; cell < childCount(); ++cell)
            if (Strip().CellRect(cell).contains(inStrip))
                return child(cell);
        return nullptr;
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return static_cast<const ChoiceStrip*>(widget())->ChoiceText();
        return QAccessibleWidget::text(kind);
    }

private:
    const ChoiceStrip& Strip() const { return *static_cast<const ChoiceStrip*>(widget()); }

    mutable std::vector<QAccessible::Id> cells_;
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

QString ChoiceStrip::CellText(int cell) const
{
    return choice_.describe ? choice_.describe(cell) : QString();
}

QRect ChoiceStrip::CellRect(int cell) const
{
    const QRect area = pixmap().isNull() ? contentsRect() : QRect(contentsRect().topLeft(), pixmap().deviceIndependentSize().toSize());
    const int width = area.width() / std::max(cells_.columns, 1);
    const int height = area.height() / std::max(cells_.rows, 1);
    return {area.left() + cell % std::max(cells_.columns, 1) * width, area.top() + cell / std::max(cells_.columns, 1) * height,
            width, height};
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
