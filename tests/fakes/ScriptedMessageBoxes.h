#pragma once

#include "win/MessageBox.h"

#include <deque>
#include <vector>

// Answers message boxes from a script instead of showing them, and keeps every request.
// An unscripted box is answered with the default answer (IDOK unless set). Installed for its lifetime.
class ScriptedMessageBoxes final : public win::MessageBoxAnswerer {
public:
    ScriptedMessageBoxes();
    ~ScriptedMessageBoxes() override;
    ScriptedMessageBoxes(const ScriptedMessageBoxes&) = delete;
    ScriptedMessageBoxes& operator=(const ScriptedMessageBoxes&) = delete;

    void Then(int answer) { answers_.push_back(answer); }
    void SetDefaultAnswer(int answer) { defaultAnswer_ = answer; }
    const std::vector<win::MessageBoxRequest>& Shown() const { return shown_; }

    int Answer(const win::MessageBoxRequest& request) override;

private:
    std::deque<int> answers_;
    std::vector<win::MessageBoxRequest> shown_;
    int defaultAnswer_ = win::IDOK;
};
