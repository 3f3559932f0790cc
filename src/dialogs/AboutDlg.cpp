#include "dialogs/AboutDlg.h"

#include "ui_AboutDlg.h"

TAboutDlg::TAboutDlg(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TAboutDlg>())
{
    ui->setupUi(this);
    QFont windowFont(QStringLiteral("MS Sans Serif"));
    windowFont.setPixelSize(11);
    setFont(windowFont);
    setFixedSize(size());
}

TAboutDlg::~TAboutDlg() = default;
