#include "teach/Teaching.h"

void Teaching::Begin(const TTurtleState& tools)
{
    steps_ = {};
    tools_ = tools;
    count_ = 0;
    active_ = true;
}

void Teaching::Take(const RecordEntry& done, const TTurtleState& before)
{
    // A run stopped on the way cannot be told as steps; what the program keeps of a page is
    // no step of the child's.
    const bool stoppedRun = RunsSteps(done.Op) && done.StoppedAfter != 0;
    if (!active_ || !Teachable(done.Op) || stoppedRun || steps_.Size() >= kMaxOwnSteps)
        return;
    AddToolEntries(steps_, tools_, before);
    RecordEntry step = done;
    step.Picture.reset();
    steps_.Append(step);
    tools_ = before;
    if (RunsSteps(done.Op))
        FollowCommandTools(*done.Command, tools_);
    ++count_;
}

Teaching::Problem Teaching::Check() const
{
    if (count_ == 0)
        return Problem::NothingShown;
    OwnCommand candidate;
    candidate.Steps = steps_;
    if (DepthOf(candidate) > kMaxOwnDepth)
        return Problem::TooDeep;
    if (StepsOf(candidate, kMaxCommandSteps + 1) > kMaxCommandSteps)
        return Problem::TooLong;
    return Problem::None;
}

OwnCommandPtr Teaching::Finish(const QString& name, std::int32_t picture)
{
    auto command = std::make_shared<OwnCommand>();
    command->Name = name.trimmed();
    command->Picture = picture;
    command->Steps = steps_;
    End();
    return command;
}

void Teaching::End()
{
    steps_ = {};
    count_ = 0;
    active_ = false;
}
