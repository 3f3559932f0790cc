#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TPosDlg;
}

// Turtle settings: position and heading of the live turtle, typed as whole numbers.
class TPosDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPosDlg(QWidget* parent = nullptr);
    ~TPosDlg() override;

private:
    std::unique_ptr<Ui::TPosDlg> ui;
};
