#include "shell/OwnCommandRow.h"

#include "dialogs/RecordTexts.h"
#include "shell/OwnCommandPictures.h"
#include "shell/TeachBar.h"
#include "win/WindowTexts.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QShortcut>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

OwnCommandRow::OwnCommandRow(QWidget& parent, QWidget& keysWindow)
    : QWidget(&parent), empty_(new QLabel(this))
{
    setObjectName(QStringLiteral("OwnCommandRow"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 2, 8, 2);
    layout->setSpacing(6);
    auto* title = new QLabel(this);
    layout->addWidget(title);
    layout->addWidget(empty_);
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        Cell& cell = cells_[i];
        cell.button = new QToolButton(this);
        cell.button->setObjectName(QStringLiteral("OwnCommandBtn%1").arg(i + 1));
        // The name under the picture: a picture alone does not say which command it is.
        cell.button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        cell.button->setIconSize(QSize(24, 24));
        cell.button->setFixedHeight(kHeight - 4);
        cell.button->setMinimumWidth(38);
        cell.button->setContextMenuPolicy(Qt::CustomContextMenu);
        cell.times = new QSlider(Qt::Horizontal, this);
        cell.times->setObjectName(QStringLiteral("OwnCommandTrack%1").arg(i + 1));
        cell.times->setRange(1, kMaxOwnTimes);
        cell.times->setValue(1);
        cell.times->setFixedWidth(46);
        cell.value = new QLabel(QStringLiteral("1"), this);
        cell.value->setMinimumWidth(14);
        auto* amount = new QVBoxLayout;
        amount->setSpacing(0);
        amount->addWidget(cell.times);
        amount->addWidget(cell.value, 0, Qt::AlignHCenter);
        layout->addWidget(cell.button);
        layout->addLayout(amount);
        connect(cell.button, &QToolButton::clicked, this, [this, i] {
            used_ = i;
            emit RunRequested(i, Times(i));
        });
        connect(cell.button, &QWidget::customContextMenuRequested, this,
                [this, i](QPoint at) { OfferMenu(i, cells_[i].button->mapToGlobal(at)); });
        connect(cell.times, &QSlider::valueChanged, this, [this, i](int value) {
            cells_[i].value->setNum(value);
            ShowCell(i);
        });
        auto* key = new QShortcut(QKeySequence(Qt::Key_1 + static_cast<int>(i)), &keysWindow);
        key->setContext(Qt::WindowShortcut);
        connect(key, &QShortcut::activated, cell.button, [button = cell.button] {
            if (button->isVisible() && button->isEnabled())
                button->click();
        });
    }
    layout->addStretch();
    // A command is chosen by the keyboard too; the menu bar taking it keeps the choice.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        for (std::size_t i = 0; i < cells_.size(); ++i)
            if (now == cells_[i].button || now == cells_[i].times)
                used_ = i;
    });
    Show({});
    win::FollowLanguage(*this, [this, title] {
        setAccessibleName(tr("Moje polecenia"));
        title->setText(tr("Moje polecenia:"));
        empty_->setText(tr("Naucz żółwia nowego polecenia (N)."));
        // Sized now: the layout sizes it only once the row is first shown.
        empty_->adjustSize();
        for (std::size_t i = 0; i < cells_.size(); ++i) {
            // Named before a command takes the place: a screen reader lists hidden controls too.
            cells_[i].button->setAccessibleName(tr("Moje polecenie %1").arg(i + 1));
            cells_[i].times->setAccessibleName(tr("ile razy"));
            ShowCell(i);
        }
    });
}

std::optional<std::size_t> OwnCommandRow::Chosen() const
{
    return used_ && *used_ < commands_.size() ? used_ : std::nullopt;
}

int OwnCommandRow::Times(std::size_t index) const
{
    return index < cells_.size() ? cells_[index].times->value() : 1;
}

void OwnCommandRow::Show(const DrawingRecord::CommandList& commands)
{
    // Another command may stand where the last one run stood.
    if (commands.size() != commands_.size())
        used_.reset();
    commands_ = commands;
    empty_->setVisible(commands_.empty());
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        const bool shown = i < commands_.size();
        cells_[i].button->setVisible(shown);
        cells_[i].times->setVisible(shown);
        cells_[i].value->setVisible(shown);
        if (shown)
            ShowCell(i);
    }
}

void OwnCommandRow::ShowCell(std::size_t index)
{
    if (index >= commands_.size())
        return;
    const OwnCommand& command = *commands_[index];
    const Cell& cell = cells_[index];
    const int times = cell.times->value();
    cell.button->setIcon(OwnCommandIcon(command.Picture));
    cell.button->setText(command.Name);
    cell.button->setAccessibleName(tr("Moje polecenie %1, %2").arg(command.Name, TimesText(times)));
    cell.button->setToolTip(QStringLiteral("%1 (%2): %3").arg(command.Name).arg(index + 1).arg(OwnCommandSteps(command)));
    cell.times->setAccessibleName(tr("ile razy %1").arg(command.Name));
    cell.times->setToolTip(tr("ile razy"));
}

void OwnCommandRow::OfferMenu(std::size_t index, QPoint at)
{
    QMenu menu(this);
    const QAction* rename = menu.addAction(tr("Zmień nazwę"));
    const QAction* steps = menu.addAction(tr("Pokaż polecenia"));
    const QAction* forget = menu.addAction(tr("Zapomnij"));
    const QAction* chosen = menu.exec(at);
    if (chosen == rename)
        emit RenameRequested(index);
    else if (chosen == steps)
        emit StepsRequested(index);
    else if (chosen == forget)
        emit ForgetRequested(index);
}
