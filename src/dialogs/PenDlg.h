#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TPenDlg;
}

// Pen settings of the live turtle: drawing mode, pen up or down, width and colour.
class TPenDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPenDlg(QWidget* parent = nullptr);
    ~TPenDlg() override;

private:
    std::unique_ptr<Ui::TPenDlg> ui;
};
