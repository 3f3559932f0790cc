#pragma once

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class TScreenDlg;
}

// Screen settings: the sheet's background colour, typed as a palette cell number. The edge mode
// and the sheet size are shown for information only; the sheet is always 256 × 256 and stops the
// turtle at its edge.
class TScreenDlg : public QDialog {
    Q_OBJECT
public:
    explicit TScreenDlg(QWidget* parent = nullptr);
    ~TScreenDlg() override;

    QString BGColorText() const;
    void SetBGColorText(const QString& text);

private:
    std::unique_ptr<Ui::TScreenDlg> ui;
};
