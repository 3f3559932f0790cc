#pragma once

#include <QImage>

class QLabel;

// The tool panel's pictures of the turtle's settings: the palette and width strips the child
// picks from, and the three indicators painted from the stored pen colour, background colour
// and pen width, each with its label (the palette cell's number, the width).
class ToolIndicators {
public:
    struct Labels {
        QLabel& colorStrip;
        QLabel& widthStrip;
        QLabel& penColor;
        QLabel& penColorText;
        QLabel& bgColor;
        QLabel& bgColorText;
        QLabel& penWidth;
        QLabel& penWidthText;
    };
    explicit ToolIndicators(Labels labels);

    void ShowPenColor(int n);
    void ShowBGColor(int n);
    void ShowPenWidth(int w);

private:
    void ShowColor(int n, QImage& indicator, QLabel& picture, QLabel& text);

    Labels labels_;
    QImage colorStrip_;
    QImage widthStrip_;
    QImage penColor_;
    QImage bgColor_;
    QImage penWidth_;
};
