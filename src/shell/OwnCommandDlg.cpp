#include "shell/OwnCommandDlg.h"

#include "shell/OwnCommandPictures.h"
#include "storage/OwnCommand.h"
#include "win/MessageBox.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kColumns = 6;

// The picture an arrow key moves to from `picture` in the grid, or −1 for another key.
int PictureAfterKey(int picture, int key)
{
    int next = picture;
    switch (key) {
    case Qt::Key_Left: next = picture - 1; break;
    case Qt::Key_Right: next = picture + 1; break;
    case Qt::Key_Up: next = picture - kColumns; break;
    case Qt::Key_Down: next = picture + kColumns; break;
    default: return -1;
    }
    return next >= 0 && next < kOwnPictureCount ? next : picture;
}

} // namespace

OwnCommandDlg::OwnCommandDlg(QWidget* parent, std::function<QString(const QString&)> problemOf)
    : QDialog(parent), problemOf_(std::move(problemOf)), name_(new QLineEdit(this)), pictures_(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("OwnCommandDlg"));
    setWindowTitle(tr("Nowe polecenie żółwia"));
    name_->setObjectName(QStringLiteral("OwnNameEdit"));
    name_->setMaxLength(kMaxOwnNameLength);
    name_->setAccessibleName(tr("Nazwa polecenia"));
    auto* nameLabel = new QLabel(tr("&Nazwa polecenia:"), this);
    nameLabel->setBuddy(name_);
    auto* grid = new QGridLayout;
    for (int picture = 0; picture < kOwnPictureCount; ++picture) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("OwnPicture%1").arg(picture));
        button->setCheckable(true);
        button->setIcon(OwnCommandIcon(picture));
        button->setIconSize(QSize(40, 40));
        button->setAccessibleName(tr("Obrazek %1").arg(picture + 1));
        button->installEventFilter(this);
        pictures_->addButton(button, picture);
        grid->addWidget(button, picture / kColumns, picture % kColumns);
    }
    pictures_->button(0)->setChecked(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    confirm_ = buttons->button(QDialogButtonBox::Ok);
    confirm_->setText(tr("Naucz"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Anuluj"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(nameLabel);
    layout->addWidget(name_);
    layout->addWidget(new QLabel(tr("Obrazek na przycisku:"), this));
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

void OwnCommandDlg::SetPurpose(const QString& title, const QString& confirm)
{
    setWindowTitle(title);
    confirm_->setText(confirm);
}

void OwnCommandDlg::SetName(const QString& name)
{
    name_->setText(name);
    name_->selectAll();
}

QString OwnCommandDlg::Name() const
{
    return name_->text().trimmed();
}

void OwnCommandDlg::SetPicture(int picture)
{
    if (QAbstractButton* button = pictures_->button(picture))
        button->setChecked(true);
}

int OwnCommandDlg::Picture() const
{
    return std::max(0, pictures_->checkedId());
}

bool OwnCommandDlg::eventFilter(QObject* watched, QEvent* event)
{
    // The pictures are one choice: the arrows move it, and Enter takes the picture that has the
    // keyboard before the dialog closes.
    auto* button = qobject_cast<QAbstractButton*>(watched);
    const int picture = pictures_->id(button);
    if (event->type() != QEvent::KeyPress || picture < 0)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        button->setChecked(true);
        return false;
    }
    const int next = PictureAfterKey(picture, key);
    if (next < 0)
        return QDialog::eventFilter(watched, event);
    pictures_->button(next)->setChecked(true);
    pictures_->button(next)->setFocus(Qt::TabFocusReason);
    return true;
}

void OwnCommandDlg::accept()
{
    const QString problem = problemOf_(Name());
    if (!problem.isEmpty()) {
        win::MessageBox({nullptr, problem, windowTitle(), win::MB_OK | win::MB_ICONEXCLAMATION});
        name_->setFocus();
        return;
    }
    QDialog::accept();
}
