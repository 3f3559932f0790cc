#pragma once

#include "turtle/TurtleState.h"

#include <cstdint>
#include <memory>

// One page of the notebook: its turtle and a copy of its drawing (the floor image's layout:
// 256 rows of 256 palette-index bytes). While the page is current, the live turtle and the
// floor image are its true content and these copies are stale.
class TNotebookPage {
public:
    TNotebookPage();

    void Store(const TTurtleState& turtle, const std::uint8_t* floorImage);
    void Restore(TTurtleState& turtle, std::uint8_t* floorImage) const;

    TTurtleState Turtle;
    std::unique_ptr<std::uint8_t[]> Image;
};
