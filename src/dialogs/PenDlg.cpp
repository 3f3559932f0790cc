#include "dialogs/PenDlg.h"

#include "ui_PenDlg.h"
#include "win/WindowLook.h"

TPenDlg::TPenDlg(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TPenDlg>())
{
    ui->setupUi(this);
    win::UseWindowLook(*this);
}

TPenDlg::~TPenDlg() = default;
