#pragma once

#include <QDialog>

#include <cstdint>
#include <memory>

class QLabel;

namespace Ui {
class TShapeDlg;
}

// Character choice: three character pictures with a frame on the selected one.
// The caller sets SelectedShape before showing the dialog and reads it back afterwards,
// together with the dialog's result.
class TShapeDlg : public QDialog {
    Q_OBJECT
public:
    explicit TShapeDlg(QWidget* parent = nullptr);
    ~TShapeDlg() override;

    // Tag of the selected picture: 1, 2 or 3; 0 selects nothing visible.
    std::int32_t SelectedShape = 0;

    // Puts the frame over the picture and takes its tag as the selection.
    void ImageClick(QLabel* sender);
    // Puts the frame over the first picture whose tag is SelectedShape.
    void FormActivate();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<Ui::TShapeDlg> ui;
};
