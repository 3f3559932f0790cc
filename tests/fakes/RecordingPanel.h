#pragma once

#include "turtle/TurtlePanel.h"

// Keeps what the turtle last asked the tool panel to show.
struct RecordingPanel final : TurtlePanel {
    QImage penColor, bgColor, penWidth;
    QString penColorLabel = "?", bgColorLabel = "?", penWidthLabel = "?";
    bool penDown = true;
    bool characterShown = true;

    void ShowPenColor(const QImage& indicator, const QString& label) override
    {
        penColor = indicator;
        penColorLabel = label;
    }
    void ShowBGColor(const QImage& indicator, const QString& label) override
    {
        bgColor = indicator;
        bgColorLabel = label;
    }
    void ShowPenWidth(const QImage& indicator, const QString& label) override
    {
        penWidth = indicator;
        penWidthLabel = label;
    }
    void ShowPenDown(bool down) override { penDown = down; }
    void ShowCharacterShown(bool shown) override { characterShown = shown; }
};
