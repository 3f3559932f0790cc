#pragma once

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class TSaveDlg;
}

// Asks for the name to save the notebook under. The edit keeps the name for the next showing,
// and each showing selects it.
class TSaveDlg : public QDialog {
    Q_OBJECT
public:
    explicit TSaveDlg(QWidget* parent = nullptr);
    ~TSaveDlg() override;

    QString FileName() const;
    void SetFileName(const QString& name);

private:
    std::unique_ptr<Ui::TSaveDlg> ui;
};
