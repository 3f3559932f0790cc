#include "dialogs/RecordListDlg.h"

#include "dialogs/RecordTexts.h"
#include "storage/OwnCommand.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QTreeWidget>
#include <QPushButton>
#include <QVBoxLayout>

RecordListDlg::RecordListDlg(QWidget* parent, std::function<void()> saveAnimation)
    : QDialog(parent), list_(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("RecordListDlg"));
    setWindowTitle(QStringLiteral("Jak powstał rysunek"));
    list_->setObjectName(QStringLiteral("RecordList"));
    list_->setAccessibleName(QStringLiteral("Jak powstał rysunek"));
    list_->setHeaderHidden(true);
    list_->setColumnCount(1);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* copy = buttons->addButton(QStringLiteral("&Kopiuj jako tekst"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("CopyBtn"));
    QPushButton* animation = buttons->addButton(QStringLiteral("Zapisz &animację…"), QDialogButtonBox::ActionRole);
    animation->setObjectName(QStringLiteral("SaveAnimationBtn"));
    buttons->addButton(QStringLiteral("&Zamknij"), QDialogButtonBox::RejectRole);
    connect(copy, &QPushButton::clicked, this, [this] { CopyText(); });
    connect(animation, &QPushButton::clicked, this, std::move(saveAnimation));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(360, 360);
}

void RecordListDlg::ShowRecord(const DrawingRecord& record)
{
    list_->clear();
    for (std::size_t i = 0; i < record.Size(); ++i) {
        const RecordEntry entry = record.HeadAt(i);
        auto* item = new QTreeWidgetItem(list_, {RecordEntryText(entry)});
        if (entry.Op != RecordOp::Own || !entry.Command)
            continue;
        const DrawingRecord& steps = entry.Command->Steps;
        for (std::size_t step = 0; step < steps.Size(); ++step)
            new QTreeWidgetItem(item, {RecordEntryText(steps.HeadAt(step))});
    }
}

void RecordListDlg::ShowCurrent(int entry)
{
    QTreeWidgetItem* item = entry >= 0 ? list_->topLevelItem(entry) : nullptr;
    list_->setCurrentItem(item);
    if (item)
        list_->scrollToItem(item);
}

QString RecordListDlg::Text() const
{
    QStringList lines;
    for (int row = 0; row < list_->topLevelItemCount(); ++row)
        lines << list_->topLevelItem(row)->text(0);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void RecordListDlg::CopyText() const
{
    QGuiApplication::clipboard()->setText(Text());
}
