#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TAboutDlg;
}

// The about box: the program's name, picture, version, licence and what it is, closed with OK.
class TAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit TAboutDlg(QWidget* parent = nullptr);
    ~TAboutDlg() override;

private:
    std::unique_ptr<Ui::TAboutDlg> ui;
};
