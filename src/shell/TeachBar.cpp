#include "shell/TeachBar.h"

#include "win/WindowTexts.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

QString CommandCountText(int count)
{
    const int tens = count % 100;
    const int ones = count % 10;
    if (count == 1)
        return QCoreApplication::translate("TeachBar", "%1 polecenie").arg(count);
    if (ones >= 2 && ones <= 4 && (tens < 12 || tens > 14))
        return QCoreApplication::translate("TeachBar", "%1 polecenia").arg(count);
    return QCoreApplication::translate("TeachBar", "%1 poleceń").arg(count);
}

QString TimesText(int count)
{
    return count == 1 ? QCoreApplication::translate("TeachBar", "%1 raz").arg(count)
                      : QCoreApplication::translate("TeachBar", "%1 razy").arg(count);
}

TeachBar::TeachBar(QWidget& parent, QWidget& view) : QFrame(&parent), view_(view), label_(new QLabel(this))
{
    setObjectName(QStringLiteral("TeachBar"));
    setAutoFillBackground(true);
    setFrameShape(QFrame::StyledPanel);
    setStyleSheet(QStringLiteral("#TeachBar { background: #fff3c4; border: 1px solid #c8a400; }"));
    label_->setObjectName(QStringLiteral("TeachLabel"));
    QFont bold = label_->font();
    bold.setBold(true);
    label_->setFont(bold);
    auto* done = new QPushButton(this);
    done->setObjectName(QStringLiteral("TeachDoneBtn"));
    auto* cancel = new QPushButton(this);
    cancel->setObjectName(QStringLiteral("TeachCancelBtn"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 2, 4, 2);
    layout->addWidget(label_, 1);
    layout->addWidget(done);
    layout->addWidget(cancel);
    connect(done, &QPushButton::clicked, this, &TeachBar::Done);
    connect(cancel, &QPushButton::clicked, this, &TeachBar::Cancelled);
    view_.installEventFilter(this);
    win::FollowLanguage(*this, [this, done, cancel] {
        setAccessibleName(tr("Uczę żółwia"));
        done->setText(tr("Gotowe"));
        cancel->setText(tr("Anuluj"));
        ShowCount(count_);
    });
    hide();
}

void TeachBar::ShowCount(int count)
{
    count_ = count;
    label_->setText(tr("Uczę żółwia: %1").arg(CommandCountText(count)));
    label_->adjustSize();
    Follow();
}

QString TeachBar::Text() const
{
    return label_->text();
}

bool TeachBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &view_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        Follow();
    return QFrame::eventFilter(watched, event);
}

void TeachBar::Follow()
{
    setGeometry(view_.x(), view_.y(), view_.width(), sizeHint().height());
    raise();
}
