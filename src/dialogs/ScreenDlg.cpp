#include "dialogs/ScreenDlg.h"

#include "ui_ScreenDlg.h"

TScreenDlg::TScreenDlg(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TScreenDlg>())
{
    ui->setupUi(this);
    QFont windowFont(QStringLiteral("MS Sans Serif"));
    windowFont.setPixelSize(11);
    setFont(windowFont);
    setFixedSize(size());
}

TScreenDlg::~TScreenDlg() = default;
