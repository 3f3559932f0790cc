#include "notebook/OpenDlg.h"

#include "ui_OpenDlg.h"
#include "win/WindowLook.h"

TOpenDlg::TOpenDlg(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TOpenDlg>())
{
    ui->setupUi(this);
    win::UseWindowLook(*this);
}

TOpenDlg::~TOpenDlg() = default;

QString TOpenDlg::FileName() const
{
    return ui->FileName->text();
}

void TOpenDlg::SetFileName(const QString& name)
{
    ui->FileName->setText(name);
}
