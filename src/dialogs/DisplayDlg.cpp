#include "dialogs/DisplayDlg.h"

#include "ui_DisplayDlg.h"

TDisplayDlg::TDisplayDlg(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TDisplayDlg>())
{
    ui->setupUi(this);
    QFont windowFont(QStringLiteral("MS Sans Serif"));
    windowFont.setPixelSize(11);
    setFont(windowFont);
    setFixedSize(size());
}

TDisplayDlg::~TDisplayDlg() = default;
