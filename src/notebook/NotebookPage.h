#pragma once

#include "storage/DrawingRecord.h"
#include "turtle/TurtleState.h"

#include <cstdint>
#include <memory>

// One page of the notebook: its turtle, a copy of its drawing (the floor image's layout: 256
// rows of 256 palette-index bytes) and how it was drawn. While the page is current, the live
// turtle and the floor image are its true content and these copies are stale; the record is
// always the page's own.
class TNotebookPage {
public:
    TNotebookPage();

    void Store(const TTurtleState& turtle, const std::uint8_t* floorImage);
    void Restore(TTurtleState& turtle, std::uint8_t* floorImage) const;

    TTurtleState Turtle;
    std::unique_ptr<std::uint8_t[]> Image;
    DrawingRecord Record;
};
