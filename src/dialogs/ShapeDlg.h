#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TShapeDlg;
}

// Character choice: three character pictures with a frame on the selected one.
class TShapeDlg : public QDialog {
    Q_OBJECT
public:
    explicit TShapeDlg(QWidget* parent = nullptr);
    ~TShapeDlg() override;

private:
    std::unique_ptr<Ui::TShapeDlg> ui;
};
