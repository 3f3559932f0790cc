#include "dialogs/SaveDlg.h"

#include "ui_SaveDlg.h"
#include "win/WindowLook.h"

TSaveDlg::TSaveDlg(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TSaveDlg>())
{
    ui->setupUi(this);
    win::UseWindowLook(*this);
}

TSaveDlg::~TSaveDlg() = default;

QString TSaveDlg::FileName() const
{
    return ui->FileName->text();
}

void TSaveDlg::SetFileName(const QString& name)
{
    ui->FileName->setText(name);
}

void TSaveDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The name shown is selected: typing starts a new name instead of adding to it.
    ui->FileName->selectAll();
    ui->FileName->setFocus();
}
