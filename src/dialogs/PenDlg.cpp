#include "dialogs/PenDlg.h"

#include "dialogs/ColorChart.h"
#include "ui_PenDlg.h"
#include "win/WindowLook.h"
#include "win/WindowTexts.h"

#include <algorithm>

namespace {

void AddItems(QButtonGroup& group, std::initializer_list<QAbstractButton*> items)
{
    int id = 0;
    for (QAbstractButton* item : items)
        group.addButton(item, id++);
}

void SelectItem(QButtonGroup& group, int index)
{
    const int last = static_cast<int>(group.buttons().size()) - 1;
    group.button(std::clamp(index, 0, last))->setChecked(true);
}

} // namespace

TPenDlg::TPenDlg(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TPenDlg>())
{
    ui->setupUi(this);
    win::UseWindowLook(*this);
    win::FollowLanguage(*this, [this] { ui->retranslateUi(this); });

    AddItems(modeItems_, {ui->ModeItem0, ui->ModeItem1, ui->ModeItem2});
    AddItems(penStateItems_, {ui->PenStateItem0, ui->PenStateItem1});
    SetModeIndex(0);
    SetPenStateIndex(0);
    ui->Image1->setPixmap(ColorChart(ui->Image1->size(), font()));

    connect(ui->OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

TPenDlg::~TPenDlg() = default;

int TPenDlg::ModeIndex() const
{
    return modeItems_.checkedId();
}

void TPenDlg::SetModeIndex(int index)
{
    SelectItem(modeItems_, index);
}

int TPenDlg::PenStateIndex() const
{
    return penStateItems_.checkedId();
}

void TPenDlg::SetPenStateIndex(int index)
{
    SelectItem(penStateItems_, index);
}

QString TPenDlg::WidthText() const
{
    return ui->WidthEdit->text();
}

void TPenDlg::SetWidthText(const QString& text)
{
    ui->WidthEdit->setText(text);
}

QString TPenDlg::ColorText() const
{
    return ui->ColorEdit->text();
}

void TPenDlg::SetColorText(const QString& text)
{
    ui->ColorEdit->setText(text);
}
