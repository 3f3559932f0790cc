#include "dialogs/PosDlg.h"

#include "ui_PosDlg.h"
#include "win/WindowLook.h"

#include <QIcon>
#include <QMouseEvent>

// The pictures live in this library's resources, which a static link would drop unless they are
// named once.
static void InitDialogResources()
{
    Q_INIT_RESOURCE(dialogs);
}

namespace {

void ShowPicture(QLabel& label, const QString& resource)
{
    label.setPixmap(QIcon(resource).pixmap(label.size()));
}

} // namespace

TPosDlg::TPosDlg(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TPosDlg>())
{
    InitDialogResources();
    ui->setupUi(this);
    win::UseWindowLook(*this);

    // The disabled characters are drawn greyed by their labels.
    ShowPicture(*ui->Image1, QStringLiteral(":/dialogs/lizard.svg"));
    ShowPicture(*ui->Image2, QStringLiteral(":/dialogs/snail.svg"));
    ShowPicture(*ui->Image3, QStringLiteral(":/dialogs/turtle.svg"));
    ShowPicture(*ui->SelImage, QStringLiteral(":/dialogs/selection.svg"));
    ui->SelImage->setAttribute(Qt::WA_TransparentForMouseEvents);

    for (QLabel* picture : {ui->Image1, ui->Image2, ui->Image3})
        picture->installEventFilter(this);
    connect(ui->OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

TPosDlg::~TPosDlg() = default;

QString TPosDlg::XText() const
{
    return ui->XPosEdit->text();
}

void TPosDlg::SetXText(const QString& text)
{
    ui->XPosEdit->setText(text);
}

QString TPosDlg::YText() const
{
    return ui->YPosEdit->text();
}

void TPosDlg::SetYText(const QString& text)
{
    ui->YPosEdit->setText(text);
}

QString TPosDlg::DirText() const
{
    return ui->DirEdit->text();
}

void TPosDlg::SetDirText(const QString& text)
{
    ui->DirEdit->setText(text);
}

void TPosDlg::ImageClick(QLabel* sender)
{
    if (sender != nullptr)
        ui->SelImage->move(sender->pos());
}

bool TPosDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* picture = qobject_cast<QLabel*>(watched);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        // Filters see clicks on disabled pictures too; those are no choice.
        if (picture != nullptr && picture->isEnabled() && mouse->button() == Qt::LeftButton
            && picture->rect().contains(mouse->position().toPoint())) {
            ImageClick(picture);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
