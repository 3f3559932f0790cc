#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TScreenDlg;
}

// Screen settings: the sheet's background colour, typed as a palette cell number.
class TScreenDlg : public QDialog {
    Q_OBJECT
public:
    explicit TScreenDlg(QWidget* parent = nullptr);
    ~TScreenDlg() override;

private:
    std::unique_ptr<Ui::TScreenDlg> ui;
};
