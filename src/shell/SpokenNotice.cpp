#include "shell/SpokenNotice.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

class AccessibleNotice final : public QAccessibleWidget {
public:
    explicit AccessibleNotice(SpokenNotice* notice) : QAccessibleWidget(notice, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return static_cast<const SpokenNotice*>(widget())->Text();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* NoticeInterface(const QString&, QObject* object)
{
    auto* notice = qobject_cast<SpokenNotice*>(object);
    return notice ? new AccessibleNotice(notice) : nullptr; // Qt's accessibility registry owns it
}

} // namespace

SpokenNotice::SpokenNotice(QWidget* parent) : QWidget(parent)
{
    InstallSpokenNoticeAccessibility();
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    // Heard, not seen: a notice that draws takes its room itself.
    resize(0, 0);
    hide();
}

void SpokenNotice::SetText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    // A screen reader keeps the name it read last until it is told otherwise.
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    update();
}

void SpokenNotice::Say(const QString& text)
{
    hide();
    SetText(text);
    show();
}

void InstallSpokenNoticeAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(NoticeInterface);
        return true;
    }();
    (void)installed;
}
