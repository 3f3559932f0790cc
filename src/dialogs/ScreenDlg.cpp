#include "dialogs/ScreenDlg.h"

#include "dialogs/ColorChart.h"
#include "ui_ScreenDlg.h"
#include "win/WindowLook.h"
#include "win/WindowTexts.h"

TScreenDlg::TScreenDlg(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TScreenDlg>())
{
    ui->setupUi(this);
    win::UseWindowLook(*this);
    win::FollowLanguage(*this, [this] { ui->retranslateUi(this); });
    ui->Image1->setPixmap(ColorChart(ui->Image1->size(), font()));
    connect(ui->OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

TScreenDlg::~TScreenDlg() = default;

QString TScreenDlg::BGColorText() const
{
    return ui->BGColorEdit->text();
}

void TScreenDlg::SetBGColorText(const QString& text)
{
    ui->BGColorEdit->setText(text);
}
