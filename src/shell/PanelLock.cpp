#include "shell/PanelLock.h"

#include "shell/SpokenNotice.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QToolBar>

#include "win/WindowTexts.h"

QString PanelLock::CommandHint()
{
    return tr("Żółw rysuje… Esc – zatrzymaj");
}

QString PanelLock::ReplayHint()
{
    return tr("Odtwarzanie strony… Esc – zatrzymaj");
}

// The grey of a disabled window over the panel, with the hint in the middle of the panel.
class PanelVeil final : public SpokenNotice {
public:
    explicit PanelVeil(QWidget& client) : SpokenNotice(&client)
    {
        setObjectName(QStringLiteral("PanelVeil"));
        // The clicks it covers stop here; the lock's filter stops the keys.
        setAttribute(Qt::WA_TransparentForMouseEvents, false);
    }

    QRect panel;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        QColor grey = palette().color(QPalette::Window);
        grey.setAlpha(170);
        painter.fillRect(rect(), grey);
        QFont bold = font();
        bold.setBold(true);
        painter.setFont(bold);
        const QFontMetrics metrics(bold);
        QRect box = metrics.boundingRect(panel, Qt::AlignCenter | Qt::TextWordWrap, Text()).adjusted(-8, -6, 8, 6);
        painter.setPen(palette().color(QPalette::Mid));
        painter.setBrush(palette().color(QPalette::ToolTipBase));
        painter.drawRoundedRect(box, 4, 4);
        painter.setPen(palette().color(QPalette::ToolTipText));
        painter.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, Text());
    }
};

PanelLock::PanelLock(Parts parts)
    : QObject(&parts.window), parts_(std::move(parts)), veil_(new PanelVeil(parts_.client)),
      stop_(new QAction(QIcon(QStringLiteral(":/stop.svg")), QString(), &parts_.window))
{
    stop_->setObjectName(QStringLiteral("StopMenu"));
    win::FollowLanguage(parts_.window, [this] {
        stop_->setText(tr("&Zatrzymaj"));
        stop_->setToolTip(tr("Zatrzymaj odtwarzanie (Esc)"));
    });
    stop_->setVisible(false);
    const QList<QAction*> tools = parts_.toolBar.actions();
    const qsizetype play = tools.indexOf(parts_.play);
    parts_.toolBar.insertAction(play >= 0 && play + 1 < tools.size() ? tools[play + 1] : nullptr, stop_);
    if (QWidget* button = parts_.toolBar.widgetForAction(stop_))
        button->setCursor(Qt::ArrowCursor); // the window shows the hourglass meanwhile
    connect(stop_, &QAction::triggered, this, [this] { parts_.stopReplay(); });
}

PanelLock::~PanelLock()
{
    qApp->removeEventFilter(this);
}

bool PanelLock::Busy() const
{
    return busy_;
}

void PanelLock::SetBusy(BusyKind kind)
{
    if (busy_)
        return;
    busy_ = true;
    const bool replay = kind == BusyKind::Replay;
    if (parts_.play)
        parts_.play->setVisible(!replay);
    stop_->setVisible(replay);
    // The tool bar lays its buttons out on its next pass; the veil must leave the stop button free now.
    if (QLayout* layout = parts_.toolBar.layout())
        layout->activate();
    CoverClient();
    veil_->Say(replay ? ReplayHint() : CommandHint());
    veil_->raise();
    qApp->installEventFilter(this);
    parts_.client.installEventFilter(this);
}

void PanelLock::SetIdle()
{
    if (!busy_)
        return;
    busy_ = false;
    qApp->removeEventFilter(this);
    parts_.client.removeEventFilter(this);
    veil_->hide();
    stop_->setVisible(false);
    if (parts_.play)
        parts_.play->setVisible(true);
}

void PanelLock::CoverClient()
{
    QRect panel;
    for (QObject* child : parts_.client.children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if ((qobject_cast<QAbstractButton*>(child) || qobject_cast<QAbstractSlider*>(child)) && !control->isHidden())
            panel |= control->geometry();
    }
    veil_->panel = panel;
    QRegion covered(parts_.client.rect());
    covered -= parts_.view.geometry();
    if (QWidget* stop = parts_.toolBar.widgetForAction(stop_); stop && stop_->isVisible())
        covered -= QRect(stop->mapTo(&parts_.client, QPoint(0, 0)), stop->size());
    // In full view the view is all there is: the veil stays, heard but with nothing to cover.
    veil_->setGeometry(covered.isEmpty() ? QRect() : parts_.client.rect());
    if (covered.isEmpty())
        veil_->clearMask();
    else
        veil_->setMask(covered);
}

bool PanelLock::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &parts_.client) {
        if (event->type() == QEvent::Resize)
            CoverClient();
        return false;
    }
    auto* target = qobject_cast<QWidget*>(watched);
    if (target == nullptr || target->window() != &parts_.window || LetThrough(*target, *event))
        return false;
    // Accepting the override keeps every shortcut of the window from taking the key.
    event->accept();
    return true;
}

bool PanelLock::LetThrough(QWidget& target, QEvent& event) const
{
    switch (event.type()) {
    case QEvent::ShortcutOverride:
        return false;
    case QEvent::KeyPress:
        // The main loop reads Esc from the keys the window is sent.
        return static_cast<QKeyEvent&>(event).key() == Qt::Key_Escape;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel: {
        // The camera still turns; the stop button still stops.
        const QPoint global = static_cast<QSinglePointEvent&>(event).globalPosition().toPoint();
        const QPoint inClient = parts_.client.mapFromGlobal(global);
        return parts_.view.geometry().contains(inClient) || &target == parts_.toolBar.widgetForAction(stop_);
    }
    case QEvent::ContextMenu:
        return false;
    default:
        return true;
    }
}
