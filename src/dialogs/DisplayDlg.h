#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TDisplayDlg;
}

// Display settings: render options offered for show; the menu item that opens it stays disabled.
class TDisplayDlg : public QDialog {
    Q_OBJECT
public:
    explicit TDisplayDlg(QWidget* parent = nullptr);
    ~TDisplayDlg() override;

private:
    std::unique_ptr<Ui::TDisplayDlg> ui;
};
