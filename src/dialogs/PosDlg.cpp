#include "dialogs/PosDlg.h"

#include "dialogs/CharacterPictures.h"
#include "ui_PosDlg.h"
#include "win/WindowLook.h"
#include "win/WindowTexts.h"

TPosDlg::TPosDlg(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TPosDlg>())
{
    ui->setupUi(this);
    win::UseWindowLook(*this);
    win::FollowLanguage(*this, [this] { ui->retranslateUi(this); });

    ShowCharacterPictures(*this, *ui->Image1, *ui->Image2, *ui->Image3, *ui->SelImage);
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
    if (QLabel* picture = ClickedPicture(watched, event)) {
        ImageClick(picture);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
