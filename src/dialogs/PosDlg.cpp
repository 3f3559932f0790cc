#include "dialogs/PosDlg.h"

#include "ui_PosDlg.h"

TPosDlg::TPosDlg(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TPosDlg>())
{
    ui->setupUi(this);
    QFont windowFont(QStringLiteral("MS Sans Serif"));
    windowFont.setPixelSize(11);
    setFont(windowFont);
    setFixedSize(size());
}

TPosDlg::~TPosDlg() = default;
