#pragma once

#include "storage/DrawingRecord.h"

#include <QCoreApplication>
#include <QDialog>

#include <functional>
#include <vector>

class QPushButton;
class QTreeWidget;

// "Jak powstał rysunek": the page's drawing record, one line an entry, the line being drawn
// again marked during a replay; a run of an own command opens to the steps it stands for. The list
// can be copied as text, the drawing saved as an animation.
class RecordListDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(RecordListDlg)
public:
    // `saveAnimation` writes the page's drawing as an animation, from the window's own button.
    RecordListDlg(QWidget* parent, std::function<void()> saveAnimation);

    void ShowRecord(const DrawingRecord& record);
    // Marks the line of an entry; -1 marks none.
    void ShowCurrent(int entry);
    // The list as text, one line an entry.
    QString Text() const;
    void CopyText() const;

private:
    void SetTexts(QPushButton& copy, QPushButton& animation, QPushButton& close);
    void ShowLines();

    QTreeWidget* list_;
    // The entries shown, so that the lines can be said again in another language.
    std::vector<RecordEntry> entries_;
};
