#include "dialogs/RecordListDlg.h"

#include "dialogs/RecordTexts.h"
#include "win/WindowTexts.h"

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
    list_->setObjectName(QStringLiteral("RecordList"));
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* copy = buttons->addButton(QString(), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("CopyBtn"));
    QPushButton* animation = buttons->addButton(QString(), QDialogButtonBox::ActionRole);
    animation->setObjectName(QStringLiteral("SaveAnimationBtn"));
    QPushButton* close = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    win::FollowLanguage(*this, [this, copy, animation, close] {
        SetTexts(*copy, *animation, *close);
        ShowLines();
    });
    connect(copy, &QPushButton::clicked, this, [this] { CopyText(); });
    connect(animation, &QPushButton::clicked, this, std::move(saveAnimation));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(360, 360);
}

void RecordListDlg::SetTexts(QPushButton& copy, QPushButton& animation, QPushButton& close)
{
    setWindowTitle(tr("Jak powstał rysunek"));
    list_->setAccessibleName(tr("Jak powstał rysunek"));
    copy.setText(tr("&Kopiuj jako tekst"));
    animation.setText(tr("Zapisz &animację…"));
    close.setText(tr("&Zamknij"));
}

void RecordListDlg::ShowRecord(const DrawingRecord& record)
{
    list_->clear(); // a new record marks no line
    entries_.clear();
    for (std::size_t i = 0; i < record.Size(); ++i)
        entries_.push_back(record.HeadAt(i));
    ShowLines();
}

void RecordListDlg::ShowLines()
{
    const int current = list_->currentRow();
    list_->clear();
    for (const RecordEntry& entry : entries_)
        list_->addItem(RecordEntryText(entry));
    list_->setCurrentRow(current);
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
