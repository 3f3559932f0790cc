#pragma once

#include <QDialog>

#include <functional>

class QButtonGroup;
class QLineEdit;
class QPushButton;

// The name and the picture of an own command. A name that cannot be taken is refused with a
// box saying why, and the dialog stays.
class OwnCommandDlg : public QDialog {
    Q_OBJECT
public:
    // `problemOf` says why a name cannot be taken, or nothing when it can.
    OwnCommandDlg(QWidget* parent, std::function<QString(const QString&)> problemOf);

    // The title and the button that takes the name: teaching a command, or renaming one.
    void SetPurpose(const QString& title, const QString& confirm);

    void SetName(const QString& name);
    QString Name() const;
    void SetPicture(int picture);
    int Picture() const;

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<QString(const QString&)> problemOf_;
    QLineEdit* name_;
    QButtonGroup* pictures_;
    QPushButton* confirm_;
};
