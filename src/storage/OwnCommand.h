#pragma once

#include "storage/DrawingRecord.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// A command the child taught the turtle by showing it: a name, a picture for its button and the
// entries it stands for, which may run other own commands in turn.
struct OwnCommand {
    QString Name;
    std::int32_t Picture = 0;
    // Taught entries only: no Start and no Snapshot.
    DrawingRecord Steps;
};

using OwnCommandPtr = std::shared_ptr<const OwnCommand>;

// The most times one run repeats its command.
inline constexpr int kMaxOwnTimes = 36;
// Own commands run within own commands no deeper than this, counting the outermost.
inline constexpr int kMaxOwnDepth = 4;
// Repetitions and own commands run within each other no deeper than this, counting the outermost.
inline constexpr int kMaxNestedDepth = 8;
// The most entries one command stands for.
inline constexpr std::size_t kMaxOwnSteps = 1000;
// The most steps one run of a command makes, its own commands' steps counted as often as they
// run. Bounded where a command is taught or read, so that walking any record, whatever its
// runs, takes a time one can wait for and every count fits.
inline constexpr std::uint64_t kMaxCommandSteps = 1'000'000;
// The most characters of a name.
inline constexpr int kMaxOwnNameLength = 16;
// How many button pictures there are to choose from.
inline constexpr int kOwnPictureCount = 12;

// The entry that runs `command` `times` times over.
RecordEntry RunOf(OwnCommandPtr command, int times);
// How deep a command nests: 1 when it runs no own command.
int DepthOf(const OwnCommand& command);
// How many steps one run of `command` makes, or of `record`, every run counted as the steps its
// command makes that many times; `cap` when more. Each command is counted once, however often
// it runs.
std::uint64_t StepsOf(const OwnCommand& command, std::uint64_t cap);
std::uint64_t StepsOf(const DrawingRecord& record, std::uint64_t cap);
// Whether two commands stand for the same entries, nested commands compared by what they do.
bool SameSteps(const OwnCommand& a, const OwnCommand& b);
// Whether an entry may be a step of a command: what the child does, not what the program keeps.
bool Teachable(RecordOp op);
// The child's tools as a run of the command leaves them.
void FollowCommandTools(const OwnCommand& command, TTurtleState& tools);

// Hands out the entries one run of an own command does, in order, nested commands opened where
// they stand: as many runs of a long command as asked cost no more memory than one.
class OwnRunCursor {
public:
    // A run of `entry`, an Own entry.
    void Start(const RecordEntry& entry);
    // The next entry of the run; false once it is over.
    bool Next(RecordEntry& entry);
    void Clear()
    {
        frames_.clear();
        held_.reset();
    }

private:
    struct Frame {
        const OwnCommand* command = nullptr;
        std::size_t step = 0;
        std::int32_t timesLeft = 0;
    };
    void Open(const RecordEntry& entry);

    // The commands open, the outermost first.
    std::vector<Frame> frames_;
    OwnCommandPtr held_;
};
