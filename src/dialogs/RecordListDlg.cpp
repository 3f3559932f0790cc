#include "dialogs/RecordListDlg.h"

#include "dialogs/RecordTexts.h"
#include "storage/OwnCommand.h"
#include "win/WindowTexts.h"

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
    list_->setObjectName(QStringLiteral("RecordList"));
    list_->setHeaderHidden(true);
    list_->setColumnCount(1);
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
    // Said again in another language, the list keeps its marked line and the runs it had open.
    const int current = list_->indexOfTopLevelItem(list_->currentItem());
    std::vector<bool> open;
    for (int row = 0; row < list_->topLevelItemCount(); ++row)
        open.push_back(list_->topLevelItem(row)->isExpanded());
    list_->clear();
    for (std::size_t row = 0; row < entries_.size(); ++row) {
        const RecordEntry& entry = entries_[row];
        auto* item = new QTreeWidgetItem(list_, {RecordEntryText(entry)});
        if (!RunsSteps(entry.Op) || !entry.Command)
            continue;
        const DrawingRecord& steps = entry.Command->Steps;
        for (std::size_t step = 0; step < steps.Size(); ++step)
            new QTreeWidgetItem(item, {RecordEntryText(steps.HeadAt(step))});
        item->setExpanded(row < open.size() && open[row]);
    }
    ShowCurrent(current);
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
