#include "storage/OwnCommand.h"

#include <algorithm>
#include <unordered_map>

RecordEntry RunOf(OwnCommandPtr command, int times)
{
    RecordEntry run = EntryOf(RecordOp::Own, times);
    run.Command = std::move(command);
    return run;
}

int DepthOf(const OwnCommand& command)
{
    int deepest = 0;
    for (const OwnCommandPtr& used : command.Steps.Commands())
        deepest = std::max(deepest, DepthOf(*used));
    return deepest + 1;
}

namespace {

using StepCounts = std::unordered_map<const OwnCommand*, std::uint64_t>;

std::uint64_t CountSteps(const DrawingRecord& steps, std::uint64_t cap, StepCounts& counted);

std::uint64_t CountCommand(const OwnCommand& command, std::uint64_t cap, StepCounts& counted)
{
    if (const auto found = counted.find(&command); found != counted.end())
        return found->second;
    const std::uint64_t steps = CountSteps(command.Steps, cap, counted);
    counted.emplace(&command, steps);
    return steps;
}

std::uint64_t CountSteps(const DrawingRecord& steps, std::uint64_t cap, StepCounts& counted)
{
    std::uint64_t total = 0;
    for (std::size_t i = 0; i < steps.Size() && total < cap; ++i) {
        const RecordEntry step = steps.HeadAt(i);
        if (!RunsSteps(step.Op)) {
            ++total;
        } else if (step.Command && step.Amount > 0) {
            // A run makes its command's steps that many times; counted without overflowing.
            const std::uint64_t each = CountCommand(*step.Command, cap, counted);
            const auto times = static_cast<std::uint64_t>(step.Amount);
            total = each > (cap - total) / times ? cap : total + each * times;
        }
    }
    return std::min(total, cap);
}

} // namespace

std::uint64_t StepsOf(const OwnCommand& command, std::uint64_t cap)
{
    StepCounts counted;
    return CountCommand(command, cap, counted);
}

std::uint64_t StepsOf(const DrawingRecord& record, std::uint64_t cap)
{
    StepCounts counted;
    return CountSteps(record, cap, counted);
}

bool SameSteps(const OwnCommand& a, const OwnCommand& b)
{
    const auto& usedA = a.Steps.Commands();
    const auto& usedB = b.Steps.Commands();
    if (a.Steps.Bytes() != b.Steps.Bytes() || usedA.size() != usedB.size())
        return false;
    for (std::size_t i = 0; i < usedA.size(); ++i)
        if (usedA[i] != usedB[i] && !SameSteps(*usedA[i], *usedB[i]))
            return false;
    return true;
}

bool Teachable(RecordOp op)
{
    return op != RecordOp::Start && op != RecordOp::Snapshot;
}

void FollowCommandTools(const OwnCommand& command, TTurtleState& tools)
{
    const std::int32_t background = tools.BGColor;
    command.Steps.Changes().ApplyTo(tools);
    tools.BGColor = background;
}

void OwnRunCursor::Start(const RecordEntry& entry)
{
    frames_.clear();
    // The outermost command holds every command it runs.
    held_ = entry.Command;
    Open(entry);
}

void OwnRunCursor::Open(const RecordEntry& entry)
{
    if (!entry.Command || entry.Amount <= 0 || entry.Command->Steps.Empty())
        return;
    frames_.push_back({entry.Command.get(), 0, entry.Amount});
}

bool OwnRunCursor::Next(RecordEntry& entry)
{
    while (!frames_.empty()) {
        Frame& frame = frames_.back();
        if (frame.step == frame.command->Steps.Size()) {
            frame.step = 0;
            if (--frame.timesLeft == 0)
                frames_.pop_back();
            continue;
        }
        entry = frame.command->Steps.At(frame.step++);
        if (!RunsSteps(entry.Op))
            return true;
        Open(entry);
    }
    return false;
}
