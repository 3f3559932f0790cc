#include "dialogs/DisplayDlg.h"

#include "ui_DisplayDlg.h"
#include "win/WindowLook.h"
#include "win/WindowTexts.h"

TDisplayDlg::TDisplayDlg(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TDisplayDlg>())
{
    ui->setupUi(this);
    win::UseWindowLook(*this);
    win::FollowLanguage(*this, [this] { ui->retranslateUi(this); });
    connect(ui->OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

TDisplayDlg::~TDisplayDlg() = default;

void RunDisplayDialog(TDisplayDlg& dialog)
{
    dialog.exec();
}
