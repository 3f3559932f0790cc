#include "fakes/CallLog.h"

win::HRESULT CallLog::Enter(std::string_view name)
{
    calls_.emplace_back(name);
    const int nth = ++counts_[std::string(name)];
    const auto planned = failures_.find({std::string(name), nth});
    return planned == failures_.end() ? win::S_OK : planned->second;
}

int CallLog::Count(std::string_view name) const
{
    const auto found = counts_.find(name);
    return found == counts_.end() ? 0 : found->second;
}
