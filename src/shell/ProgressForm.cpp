#include "shell/ProgressForm.h"

#include "ui_ProgressForm.h"

#include <algorithm>

TProgressForm::TProgressForm(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool),
      ui(std::make_unique<Ui::TProgressForm>())
{
    ui->setupUi(this);
}

TProgressForm::~TProgressForm() = default;

void TProgressForm::AdvanceBy(int amount)
{
    // QProgressBar drops a value outside its range instead of stopping at the end.
    QProgressBar& bar = *ui->ProgressBar;
    const long long target = static_cast<long long>(bar.value()) + amount;
    bar.setValue(static_cast<int>(std::clamp<long long>(target, bar.minimum(), bar.maximum())));
}

int TProgressForm::Position() const
{
    return ui->ProgressBar->value();
}
