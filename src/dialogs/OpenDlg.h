#pragma once

#include "storage/NotebookList.h"

#include <QDialog>
#include <QString>

#include <memory>
#include <vector>

namespace Ui {
class TOpenDlg;
}

// Asks for the notebook to open. The saved notebooks are shown with a small picture of their
// first page: a click puts the name into the edit, a double click opens it at once. A name can
// still be typed, and the edit keeps it for the next showing.
class TOpenDlg : public QDialog {
    Q_OBJECT
public:
    explicit TOpenDlg(QWidget* parent = nullptr);
    ~TOpenDlg() override;

    QString FileName() const;
    void SetFileName(const QString& name);
    // Fills the list, in the order given.
    void ShowNotebooks(const std::vector<SavedNotebook>& notebooks);

private:
    void ConnectScrollBar();

    std::unique_ptr<Ui::TOpenDlg> ui;
};
