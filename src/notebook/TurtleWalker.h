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
// A run of an own command is one entry, walked step by step from a cursor as the entries its
// command stands for, that many times. The walker alone knows whether the turtle is busy.
//
// The work is done in units: a slice of a walk, or one entry or step that needs no walk. A call
// does units until its turtle time is spent or, measured on the tick clock, its budget is: then
// it returns, carrying what is left, so a long stretch of steps that do not walk never holds the
// window up, and Stop ends it between any two units. Whatever the budget cut, the units and so
// the pixels are the same.
class TurtleWalker : public QObject {
    Q_OBJECT
public:
    static constexpr std::uint32_t kSliceMs = 16;
    // What one call spends at most, about: a pass renders a frame once it has walked this long.
    static constexpr std::uint32_t kPassBudgetMs = 8;

    explicit TurtleWalker(TurtleSheet& sheet);

    bool Busy() const { return busy_; }
    // A walking command starts only while something walks it on, or the turtle would stay busy
    // for good.
    void SetDriven(bool driven) { driven_ = driven; }
    bool Driven() const { return driven_; }

    // Runs entries in order: what needs no walk is done at once, within a pass's budget while
    // driven; a walking command starts and goes on over Walk. False, doing nothing, while busy or
    // when a walk could not go on.
    bool Run(std::vector<RecordEntry> entries);
    // Walks on by `turtleMs` of turtle time, within a pass's budget.
    void Walk(double turtleMs);
    // The top speed: walks on for `budgetMs` of the tick clock, however much turtle time that is.
    void WalkFor(std::uint32_t budgetMs = kPassBudgetMs);
    // Whether the last call did all its turtle time allowed, not stopped by its budget first.
    bool CaughtUp() const;
    // How many entries and steps of own commands were begun, and slices walked, since Run.
    std::uint64_t StepsBegun() const { return stepsBegun_; }
    std::uint64_t SlicesWalked() const { return slicesWalked_; }
    // Ends the walk where the turtle got to; the entries after it are dropped.
    void Stop();

signals:
    void BusyChanged(bool busy);
    // An entry is about to be done; its place in the list given to Run.
    void EntryStarted(int index);
    // An entry was done, as it was done: a walk or a run stopped on the way says where it stopped.
    // A run of an own command is told once, at its end.
    void EntryRan(const RecordEntry& entry);
    // A walk that ran into the sheet's edge is over: said once, just before it is no longer busy.
    void ReachedEdge();

private:
    // Does units until `anyTime` or the carried turtle time runs out, the budget is spent or
    // nothing is left.
    void Advance(bool anyTime, std::uint32_t budgetMs);
    // Whether a walk, a run or an entry is left to do.
    bool HasWork() const;
    // Does one unit; false when it needs turtle time it was not given, or nothing is left.
    bool Unit(bool anyTime);
    void TakeEntry();
    void TakeRunStep();
    // Starts a walking entry; does any other at once.
    void Begin(const RecordEntry& entry);
    void Slice();
    // Counts a unit done within a run, and ends the run where a stopped one stopped.
    void CountRunUnit(bool slice);
    // Where a run stopped now would stop again.
    std::uint32_t RunStopPoint() const;
    void EndRun();
    void EndAll();
    void SetBusy(bool busy);

    TurtleSheet& sheet_;
    TurtleMotion motion_;
    std::vector<RecordEntry> entries_;
    std::size_t next_ = 0;
    // The entry walking now and the slices it took.
    RecordEntry walking_;
    std::uint32_t slices_ = 0;
    // The own command's run under way; the slices, and all units, the run took; whether its last
    // unit was a slice.
    std::optional<RecordEntry> run_;
    OwnRunCursor runCursor_;
    std::uint32_t runSlices_ = 0;
    std::uint64_t runUnits_ = 0;
    bool runLastSliced_ = false;
    std::uint64_t stepsBegun_ = 0;
    std::uint64_t slicesWalked_ = 0;
    double carried_ = 0.0;
    bool caughtUp_ = true;
    bool busy_ = false;
    bool driven_ = false;
    bool edgeReached_ = false;
};
