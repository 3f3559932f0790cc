#include "dialogs/ShapeDlg.h"

#include "ui_ShapeDlg.h"
#include "win/WindowLook.h"

TShapeDlg::TShapeDlg(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TShapeDlg>())
{
    ui->setupUi(this);
    win::UseWindowLook(*this);
}

TShapeDlg::~TShapeDlg() = default;
