#include "notebook/SaveDlg.h"

#include "ui_SaveDlg.h"

TSaveDlg::TSaveDlg(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TSaveDlg>())
{
    ui->setupUi(this);
    QFont windowFont(QStringLiteral("MS Sans Serif"));
    windowFont.setPixelSize(11);
    setFont(windowFont);
    setFixedSize(size());
}

TSaveDlg::~TSaveDlg() = default;

QString TSaveDlg::FileName() const
{
    return ui->FileName->text();
}

void TSaveDlg::SetFileName(const QString& name)
{
    ui->FileName->setText(name);
}
