#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TDisplayDlg;
}

// Display settings: render options offered for show; the menu item that opens it stays disabled.
// No option is read back: the renderer keeps its own settings whatever is ticked here.
class TDisplayDlg : public QDialog {
    Q_OBJECT
public:
    explicit TDisplayDlg(QWidget* parent = nullptr);
    ~TDisplayDlg() override;

private:
    std::unique_ptr<Ui::TDisplayDlg> ui;
};

// The display menu command: shows the dialog modally; either answer leaves everything as it was.
void RunDisplayDialog(TDisplayDlg& dialog);
