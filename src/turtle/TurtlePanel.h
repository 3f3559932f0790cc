#pragma once

#include <QImage>
#include <QString>

// What the tool panel shows of the turtle's settings. The turtle logic tells it what changed;
// the window draws it.
class TurtlePanel {
public:
    virtual ~TurtlePanel() = default;
    virtual void ShowPenColor(const QImage& indicator, const QString& label) = 0;
    virtual void ShowBGColor(const QImage& indicator, const QString& label) = 0;
    virtual void ShowPenWidth(const QImage& indicator, const QString& label) = 0;
    virtual void ShowPenDown(bool down) = 0;
    virtual void ShowCharacterShown(bool shown) = 0;
};
