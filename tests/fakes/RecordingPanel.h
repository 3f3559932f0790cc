#pragma once

#include "turtle/SheetColors.h"
#include "turtle/TurtlePanel.h"

#include <QString>

// Keeps what the turtle last asked the tool panel to show, labelled as the panel labels it.
struct RecordingPanel final : TurtlePanel {
    QString penColorLabel = "?", bgColorLabel = "?", penWidthLabel = "?";
    bool penDown = true;
    bool characterShown = true;

    void ShowPenColor(int n) override { penColorLabel = QString::number(ColorToCell(n)); }
    void ShowBGColor(int n) override { bgColorLabel = QString::number(ColorToCell(n)); }
    void ShowPenWidth(int w) override { penWidthLabel = QString::number(w); }
    void ShowPenDown(bool down) override { penDown = down; }
    void ShowCharacterShown(bool shown) override { characterShown = shown; }
};
