#pragma once

#include <QFrame>

class QLabel;

// The bar over the 3D view while the turtle is being taught: how many commands it was shown,
// "Gotowe" and "Anuluj".
class TeachBar : public QFrame {
    Q_OBJECT
public:
    // Stands over the top of `view`, following it.
    TeachBar(QWidget& parent, QWidget& view);

    void ShowCount(int count);
    QString Text() const;

signals:
    void Done();
    void Cancelled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Follow();

    QWidget& view_;
    QLabel* label_;
    int count_ = 0;
};

// "N poleceń" in the form Polish takes after the number.
QString CommandCountText(int count);
// "1 raz", "N razy".
QString TimesText(int count);
