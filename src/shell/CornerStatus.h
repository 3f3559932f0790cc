#pragma once

#include "turtle/StatusTexts.h"

#include <QLabel>

// The status bar's page, X, Y and K in a corner of the full view, large enough to be read from
// the back of a classroom.
class CornerStatus final : public QLabel {
public:
    explicit CornerStatus(QWidget& client);

    void Show(const StatusTexts& texts);
    // Follows the screen the view is on.
    void FitScreen(int screenHeight);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Shows the texts last given, once, with the name a screen reader reads.
    void Apply();

    QString shown_;
};

// The letters' height in pixels: 24 at 1080 screen lines, in proportion above, never smaller.
int CornerLetterPixels(int screenHeight);
