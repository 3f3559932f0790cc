#include "fakes/ScriptedMessageBoxes.h"

ScriptedMessageBoxes::ScriptedMessageBoxes()
{
    win::SetMessageBoxAnswerer(this);
}

ScriptedMessageBoxes::~ScriptedMessageBoxes()
{
    win::SetMessageBoxAnswerer(nullptr);
}

int ScriptedMessageBoxes::Answer(const win::MessageBoxRequest& request)
{
    shown_.push_back(request);
    if (answers_.empty())
        return defaultAnswer_;
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
}
