#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class TProgressForm;
}

// The thin bar shown under the 3D view while the program starts. Start-up places it, advances
// it after each step and hides it once the main loop is about to run.
class TProgressForm : public QWidget {
    Q_OBJECT
public:
    explicit TProgressForm(QWidget* parent = nullptr);
    ~TProgressForm() override;

    // Moves the bar on by amount, stopping at either end of its range.
    void AdvanceBy(int amount);
    int Position() const;

private:
    std::unique_ptr<Ui::TProgressForm> ui;
};
