#pragma once

#include "win/Types.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

// The calls a fake object receives, by name in order, and the ones it is told to fail: the n-th
// call (counting from 1) of a name answers the given result instead of succeeding.
class CallLog {
public:
    void FailCall(const std::string& name, int nth, win::HRESULT result) { failures_[{name, nth}] = result; }
    // Records the call; S_OK, or the failure planned for it.
    win::HRESULT Enter(std::string_view name);
    int Count(std::string_view name) const;
    const std::vector<std::string>& Calls() const { return calls_; }

private:
    std::vector<std::string> calls_;
    std::map<std::string, int, std::less<>> counts_;
    std::map<std::pair<std::string, int>, win::HRESULT> failures_;
};
