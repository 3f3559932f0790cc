#pragma once

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class TOpenDlg;
}

// Asks for the name of a notebook to open. There is no list of notebooks: the user types the
// name, and the edit keeps it for the next showing.
class TOpenDlg : public QDialog {
    Q_OBJECT
public:
    explicit TOpenDlg(QWidget* parent = nullptr);
    ~TOpenDlg() override;

    QString FileName() const;
    void SetFileName(const QString& name);

private:
    std::unique_ptr<Ui::TOpenDlg> ui;
};
