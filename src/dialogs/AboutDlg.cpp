#include "dialogs/AboutDlg.h"

#include "ui_AboutDlg.h"
#include "win/WindowLook.h"

TAboutDlg::TAboutDlg(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TAboutDlg>())
{
    ui->setupUi(this);
    win::UseWindowLook(*this);
}

TAboutDlg::~TAboutDlg() = default;
