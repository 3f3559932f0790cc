#include "dialogs/ScreenDlg.h"

#include "ui_ScreenDlg.h"
#include "win/WindowLook.h"

TScreenDlg::TScreenDlg(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TScreenDlg>())
{
    ui->setupUi(this);
    win::UseWindowLook(*this);
}

TScreenDlg::~TScreenDlg() = default;
