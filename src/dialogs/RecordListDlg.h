#pragma once

#include "storage/DrawingRecord.h"

#include <QDialog>

class QListWidget;

// "Jak powstał rysunek": the page's drawing record, one line an entry, the line being drawn
// again marked during a replay. The list can be copied as text.
class RecordListDlg : public QDialog {
public:
    explicit RecordListDlg(QWidget* parent = nullptr);

    void ShowRecord(const DrawingRecord& record);
    // Marks the line of an entry; -1 marks none.
    void ShowCurrent(int entry);
    // The list as text, one line an entry.
    QString Text() const;
    void CopyText() const;

private:
    QListWidget* list_;
};
