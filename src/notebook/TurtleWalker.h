#pragma once

#include "storage/DrawingRecord.h"
#include "storage/OwnCommand.h"
#include "turtle/TurtleMotion.h"

#include <QObject>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

class TurtleSheet;

// Runs every drawing action on the sheet: each is an entry, done at once or, for a walking
// command, walked in fixed slices of turtle time, each one call of the command's StepCommand.
// Whoever walks it on hands over turtle time; what does not fill a slice is carried to the next
// call. So the same entries draw the same pixels however long the passes of the main loop took.
// A run of an own command is one entry, walked as the entries its command stands for, that many
// times. The walker alone knows whether the turtle is busy.
class TurtleWalker : public QObject {
    Q_OBJECT
public:
    static constexpr std::uint32_t kSliceMs = 16;
    // A long list walked at once is shown over about this many passes.
    static constexpr std::size_t kInstantPasses = 60;

    explicit TurtleWalker(TurtleSheet& sheet);

    bool Busy() const { return busy_; }
    // A walking command starts only while something walks it on, or the turtle would stay busy
    // for good.
    void SetDriven(bool driven) { driven_ = driven; }
    bool Driven() const { return driven_; }

    // Runs entries in order: what needs no walk is done at once, a walking command starts and
    // goes on over Walk. False, doing nothing, while busy or when a walk could not go on.
    bool Run(std::vector<RecordEntry> entries);
    // Walks on by `turtleMs` of turtle time.
    void Walk(double turtleMs);
    // Walks whole walking entries to their end, at most `count` of them, however long they take.
    void WalkEntries(std::size_t count);
    // How many walking entries a pass takes when a list is walked at once: all of a short one,
    // the list shown being drawn over a few dozen passes when long.
    std::size_t InstantEntriesPerPass() const;
    // Ends the walk where the turtle got to; the entries after it are dropped.
    void Stop();

signals:
    void BusyChanged(bool busy);
    // An entry is about to be done; its place in the list given to Run.
    void EntryStarted(int index);
    // An entry was done, as it was done: a walk stopped on the way says how many slices it took.
    // A run of an own command is told once, at its end.
    void EntryRan(const RecordEntry& entry);
    // A walk that ran into the sheet's edge is over: said once, just before it is no longer busy.
    void ReachedEdge();

private:
    // Does entries until one walks or none is left.
    void StartNext();
    // Does the run's entries until one walks; false once the run is over.
    bool StepRun();
    void EndRun();
    // Starts a walking entry; does any other at once.
    void Begin(const RecordEntry& entry);
    void Slice();
    void EndWalk();
    void SetBusy(bool busy);

    TurtleSheet& sheet_;
    TurtleMotion motion_;
    std::vector<RecordEntry> entries_;
    std::size_t next_ = 0;
    // The entry walking now and the slices it took.
    RecordEntry walking_;
    std::uint32_t slices_ = 0;
    // The own command's run under way, and the slices the whole run took.
    std::optional<RecordEntry> run_;
    OwnRunCursor runCursor_;
    std::uint32_t runSlices_ = 0;
    std::size_t walksEnded_ = 0;
    double carried_ = 0.0;
    bool busy_ = false;
    bool driven_ = false;
    bool edgeReached_ = false;
};
