#pragma once

#include <QDialog>
#include <QString>

#include <memory>

class QLabel;

namespace Ui {
class TPosDlg;
}

// Turtle settings: position and heading of the live turtle, typed as whole numbers.
// The character pictures only show who is set; the turtle is the one that can be chosen.
class TPosDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPosDlg(QWidget* parent = nullptr);
    ~TPosDlg() override;

    QString XText() const;
    void SetXText(const QString& text);
    QString YText() const;
    void SetYText(const QString& text);
    QString DirText() const;
    void SetDirText(const QString& text);

    // Puts the selection frame over the clicked picture.
    void ImageClick(QLabel* sender);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<Ui::TPosDlg> ui;
};
