#pragma once

#include "storage/DrawingRecord.h"
#include "turtle/TurtleState.h"

#include <QObject>

#include <cstdint>
#include <vector>

class TurtleSheet;
class TurtleWalker;

// The current page drawn again from its record: the walker walks the record's entries from its
// start, as it walked them the first time. At the end, or when stopped, the page, the turtle and
// its tools are put back exactly as they were: a replay changes nothing of the notebook.
class PageReplay : public QObject {
    Q_OBJECT
public:
    PageReplay(TurtleSheet& sheet, TurtleWalker& walker);

    // False when the walker is busy or the record empty.
    bool Start(const DrawingRecord& record);
    bool Running() const { return running_; }
    // Whether the last replay to end by itself drew the page it began from, bit for bit.
    bool Matched() const { return matched_; }

signals:
    // The entry that is being redone now.
    void EntryReached(int index);
    void Finished();

private:
    void End();

    TurtleSheet& sheet_;
    TurtleWalker& walker_;
    std::vector<std::uint8_t> savedImage_;
    TTurtleState savedTurtle_;
    std::size_t entries_ = 0;
    std::size_t ran_ = 0;
    bool running_ = false;
    bool matched_ = false;
};
