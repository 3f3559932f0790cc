#pragma once

#include "dialogs/PageExport.h"
#include "storage/DrawingRecord.h"
#include "turtle/TurtleState.h"

#include <QString>

class QWidget;

// "Zapisz animację rysowania…": how the page was drawn, as an animated GIF picture to share,
// by default "NAME, strona N.gif" in the pictures folder. A long animation shows its progress
// in a window whose "Anuluj" stops it; the window keeps answering meanwhile.
class AnimationExport {
public:
    AnimationExport(const SharedPage& page, const DrawingRecord& record, const TTurtleState& turtle);

    QString SuggestedPath() const { return suggestedPath_; }
    // Writes the animation, telling the child in a box when it cannot; a file of that name is
    // then left as it was, and so it is when the child cancels. True when written.
    bool SaveTo(const QString& path, QWidget* parent) const;
    // Asks where to write the animation, then writes it there; the file written, or empty.
    QString SaveAs(QWidget* parent) const;

private:
    const std::uint8_t* page_;
    DrawingRecord record_;
    TTurtleState turtle_;
    QString suggestedPath_;
};
