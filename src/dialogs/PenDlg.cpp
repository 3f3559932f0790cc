#include "dialogs/PenDlg.h"

#include "ui_PenDlg.h"

TPenDlg::TPenDlg(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TPenDlg>())
{
    ui->setupUi(this);
    QFont windowFont(QStringLiteral("MS Sans Serif"));
    windowFont.setPixelSize(11);
    setFont(windowFont);
    setFixedSize(size());
}

TPenDlg::~TPenDlg() = default;
