#include "dialogs/RecordListDlg.h"

#include "dialogs/RecordTexts.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

RecordListDlg::RecordListDlg(QWidget* parent, std::function<void()> saveAnimation)
    : QDialog(parent), list_(new QListWidget(this))
{
    setObjectName(QStringLiteral("RecordListDlg"));
    setWindowTitle(QStringLiteral("Jak powstał rysunek"));
    list_->setObjectName(QStringLiteral("RecordList"));
    list_->setAccessibleName(QStringLiteral("Jak powstał rysunek"));
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
    for (std::size_t i = 0; i < record.Size(); ++i)
        list_->addItem(RecordEntryText(record.HeadAt(i)));
}

void RecordListDlg::ShowCurrent(int entry)
{
    list_->setCurrentRow(entry);
    if (entry >= 0)
        list_->scrollToItem(list_->item(entry));
}

QString RecordListDlg::Text() const
{
    QStringList lines;
    for (int row = 0; row < list_->count(); ++row)
        lines << list_->item(row)->text();
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void RecordListDlg::CopyText() const
{
    QGuiApplication::clipboard()->setText(Text());
}
