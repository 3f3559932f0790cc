#include "dialogs/DisplayDlg.h"

#include "ui_DisplayDlg.h"
#include "win/WindowLook.h"

TDisplayDlg::TDisplayDlg(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TDisplayDlg>())
{
    ui->setupUi(this);
    win::UseWindowLook(*this);
}

TDisplayDlg::~TDisplayDlg() = default;
