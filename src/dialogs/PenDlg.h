#pragma once

#include <QButtonGroup>
#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class TPenDlg;
}

// Pen settings of the live turtle: drawing mode, pen up or down, width and colour.
// The dialog only holds what is typed and chosen; the pen settings handler fills and reads it.
class TPenDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPenDlg(QWidget* parent = nullptr);
    ~TPenDlg() override;

    // Item indexes of the two radio groups. An index past either end selects the nearest item,
    // so a group always carries a selection.
    int ModeIndex() const;
    void SetModeIndex(int index);
    int PenStateIndex() const;
    void SetPenStateIndex(int index);

    QString WidthText() const;
    void SetWidthText(const QString& text);
    QString ColorText() const;
    void SetColorText(const QString& text);

private:
    std::unique_ptr<Ui::TPenDlg> ui;
    QButtonGroup modeItems_;
    QButtonGroup penStateItems_;
};
