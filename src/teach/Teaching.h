#pragma once

#include "storage/OwnCommand.h"
#include "turtle/TurtleState.h"

#include <QString>

// Teaching the turtle by showing it: while it lasts, every entry the child has done is taken,
// with the tool changes made before it, and counted; at the end they become a command.
class Teaching {
public:
    // Why the entries shown cannot become a command.
    enum class Problem { None, NothingShown, TooDeep, TooLong };

    bool Active() const { return active_; }
    // How many entries the child gave.
    int Count() const { return count_; }
    const DrawingRecord& Steps() const { return steps_; }

    // Starts anew with the child's tools as they are now.
    void Begin(const TTurtleState& tools);
    // An entry done while teaching, with the tools it was done with.
    void Take(const RecordEntry& done, const TTurtleState& before);
    Problem Check() const;
    // The command the entries make; teaching ends.
    OwnCommandPtr Finish(const QString& name, std::int32_t picture);
    void End();

private:
    DrawingRecord steps_;
    TTurtleState tools_;
    int count_ = 0;
    bool active_ = false;
};
