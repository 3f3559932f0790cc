#include "dialogs/ShapeDlg.h"

#include "ui_ShapeDlg.h"

TShapeDlg::TShapeDlg(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TShapeDlg>())
{
    ui->setupUi(this);
    QFont windowFont(QStringLiteral("MS Sans Serif"));
    windowFont.setPixelSize(11);
    setFont(windowFont);
    setFixedSize(size());
}

TShapeDlg::~TShapeDlg() = default;
