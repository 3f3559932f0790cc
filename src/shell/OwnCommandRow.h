#pragma once

#include "storage/OwnCommand.h"

#include <QWidget>

#include <array>
#include <cstddef>
#include <optional>

class QLabel;
class QSlider;
class QToolButton;

// "Moje polecenia": a button for each own command with its picture and a track bar for how many
// times it runs, as the panel pairs its commands with their amounts. Keys 1–6 press the buttons;
// a right click or the menu key offers renaming, showing the steps and forgetting, which the
// window's menu offers too for the chosen command.
class OwnCommandRow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 46;

    OwnCommandRow(QWidget& parent, QWidget& keysWindow);

    void Show(const DrawingRecord::CommandList& commands);
    int Times(std::size_t index) const;
    // The command whose button or track bar had the keyboard or was used last; none before.
    std::optional<std::size_t> Chosen() const;

signals:
    void RunRequested(std::size_t index, int times);
    void RenameRequested(std::size_t index);
    void StepsRequested(std::size_t index);
    void ForgetRequested(std::size_t index);

private:
    struct Cell {
        QToolButton* button = nullptr;
        QSlider* times = nullptr;
        QLabel* value = nullptr;
    };
    void ShowCell(std::size_t index);
    void OfferMenu(std::size_t index, QPoint at);

    std::array<Cell, 6> cells_;
    DrawingRecord::CommandList commands_;
    QLabel* empty_;
    std::optional<std::size_t> used_; // the chosen command
};
