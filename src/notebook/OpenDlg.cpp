#include "notebook/OpenDlg.h"

#include "ui_OpenDlg.h"

TOpenDlg::TOpenDlg(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TOpenDlg>())
{
    ui->setupUi(this);
    QFont windowFont(QStringLiteral("MS Sans Serif"));
    windowFont.setPixelSize(11);
    setFont(windowFont);
    setFixedSize(size());
}

TOpenDlg::~TOpenDlg() = default;

QString TOpenDlg::FileName() const
{
    return ui->FileName->text();
}

void TOpenDlg::SetFileName(const QString& name)
{
    ui->FileName->setText(name);
}
