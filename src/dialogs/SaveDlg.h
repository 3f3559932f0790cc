#pragma once

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class TSaveDlg;
}

// Asks for the name to save the notebook under. The naming rule in the text is advice only:
// the name is taken exactly as typed, and the edit keeps it for the next showing.
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
