#pragma once

#include "storage/DrawingRecord.h"
#include "turtle/TurtleMotion.h"
#include "turtle/TurtleState.h"

#include <QObject>

#include <cstddef>
#include <cstdint>
#include <vector>

class TurtleSheet;

// The current page drawn again from its record: the page goes back to where its record starts
// and the turtle walks every entry again, one pass of the main loop at a time, in the record's
// slices. At the end, or when stopped, the page, the turtle and its tools are put back exactly
// as they were: a replay changes nothing of the notebook.
class PageReplay : public QObject, private MotionHost {
    Q_OBJECT
public:
    explicit PageReplay(TurtleSheet& sheet);

    void Start(const DrawingRecord& record);
    // Goes on by the milliseconds of a pass.
    void Step(std::uint32_t dt);
    void Stop();
    bool Running() const { return running_; }
    // Whether the last replay to end by itself drew the page it began from, bit for bit.
    bool Matched() const { return matched_; }

signals:
    // The entry that is being redone now.
    void EntryReached(int index);
    void Finished();

private:
    void EndCommand() override {}
    // Starts the next entry; false at the end of the record.
    bool BeginNext();
    void End();
    void PutPageBack();

    TurtleSheet& sheet_;
    TurtleMotion motion_;
    DrawingRecord record_;
    // The entry being redone.
    RecordEntry entry_;
    std::vector<std::uint8_t> savedImage_;
    TTurtleState savedTurtle_;
    std::size_t next_ = 0;
    std::uint32_t time_ = 0;
    bool running_ = false;
    bool matched_ = false;
};
