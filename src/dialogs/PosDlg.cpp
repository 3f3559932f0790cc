#include "dialogs/PosDlg.h"

#include "ui_PosDlg.h"
#include "win/WindowLook.h"

TPosDlg::TPosDlg(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TPosDlg>())
{
    ui->setupUi(this);
    win::UseWindowLook(*this);
}

TPosDlg::~TPosDlg() = default;
