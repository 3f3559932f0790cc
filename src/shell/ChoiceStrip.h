#pragma once

#include <QLabel>

#include <functional>

// A strip of cells to choose from (the palette, the pen widths), taking the keyboard: Left and
// Right move the choice one cell, Up and Down one row, and Shift with Space or Enter chooses
// the cell once more with Shift held, as a Shift-click does. A screen reader hears the strip's
// name with the cell chosen now, and finds every cell as an item of the strip.
class ChoiceStrip : public QLabel {
    Q_OBJECT
public:
    struct Cells {
        int columns = 1;
        int rows = 1;
    };
    struct Choice {
        std::function<int()> chosen;
        // Chooses a cell, as a click on it with these keys held would.
        std::function<void(int cell, Qt::KeyboardModifiers keys)> pick;
        // What a screen reader says of a cell.
        std::function<QString(int cell)> describe;
    };

    explicit ChoiceStrip(QWidget* parent = nullptr);

    void Serve(Cells cells, Choice choice);
    // The strip's accessible name followed by the chosen cell's description.
    QString ChoiceText() const;
    int CellCount() const { return choice_.describe ? cells_.columns * cells_.rows : 0; }
    QString CellText(int cell) const;
    bool Chosen(int cell) const { return choice_.chosen && choice_.chosen() == cell; }
    // The cell's place in the strip, the cells sharing its picture evenly.
    QRect CellRect(int cell) const;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The cell an arrow key leads to from `cell`; -1 for other keys.
    int Neighbour(int cell, int key) const;

    Cells cells_;
    Choice choice_;
};

// Answers screen readers for every ChoiceStrip; installed once.
void InstallChoiceStripAccessibility();
