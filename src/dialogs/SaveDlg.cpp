#include "dialogs/SaveDlg.h"

#include "dialogs/NameSelection.h"
#include "ui_SaveDlg.h"
#include "win/WindowLook.h"
#include "win/WindowTexts.h"

TSaveDlg::TSaveDlg(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TSaveDlg>())
{
    ui->setupUi(this);
    win::UseWindowLook(*this);
    win::FollowLanguage(*this, [this] { ui->retranslateUi(this); });
    new NameSelection(*this, *ui->FileName);
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
