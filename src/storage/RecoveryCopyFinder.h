#pragma once

#include "storage/RecoveryCopy.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

// Looks at start for the newest readable recovery copy that a program gone without saving left,
// on a thread of its own: a start among thousands of stale copies waits for none of them. A copy
// that cannot be read is removed and the next newest is looked at, as the program would offer it.
class RecoveryCopyFinder {
public:
    struct Found {
        std::unique_ptr<RecoveryCopy> Copy; // taken over: no other program offers it meanwhile
        RecoveredNotebook Notebook;
        int Older = 0; // copies holding a notebook besides it, left for later starts
    };

    // `found` hears, on the finder's thread, the copy found, or nothing when none is left; `empty`
    // hears first the copies that hold nothing, for removing in the background.
    RecoveryCopyFinder(const QString& root, std::function<void(std::optional<Found>)> found,
                       std::function<void(std::vector<QString>)> empty);
    // Stops a look still under way; a copy not yet taken over stays for the next start.
    ~RecoveryCopyFinder() = default;
    RecoveryCopyFinder(const RecoveryCopyFinder&) = delete;
    RecoveryCopyFinder& operator=(const RecoveryCopyFinder&) = delete;

    // The look on the calling thread: what the finder's thread does.
    static std::optional<Found> Look(const QString& root, const std::function<void(std::vector<QString>)>& empty,
                                     const std::function<bool()>& stop = {});

private:
    std::jthread thread_;
};
