#pragma once

#include "storage/NotebookContent.h"

#include <QString>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

class RecoveryCopy;

// Writes a recovery copy on a thread of its own, so that the window never waits for the disk.
// Only the newest notebook handed over is written: one that arrives while a write runs takes the
// place of any still waiting.
class RecoveryCopyWorker {
public:
    // `written` hears, on the worker's thread, how each write or removal went.
    RecoveryCopyWorker(std::unique_ptr<RecoveryCopy> copy, std::function<void(std::error_code)> written);
    // Finishes what was handed over, then removes the copy: a normal end leaves nothing to recover.
    ~RecoveryCopyWorker();
    RecoveryCopyWorker(const RecoveryCopyWorker&) = delete;
    RecoveryCopyWorker& operator=(const RecoveryCopyWorker&) = delete;

    // Writes the notebook.
    void Keep(NotebookContent content, QString name);
    // Forgets what was written.
    void Forget();
    // Removes the empty copies of gone programs, one by one while no write waits; what is not
    // done by the end is left for another start.
    void Sweep(std::vector<QString> folders);
    // Returns once all that was handed over is on disk (the sweep aside).
    void Finish();

private:
    struct Job {
        std::optional<NotebookContent> Content; // nothing: forget
        QString Name;
    };
    void Hand(Job job);
    void Run(std::stop_token stop);

    std::unique_ptr<RecoveryCopy> copy_;
    std::function<void(std::error_code)> written_;
    std::mutex mutex_;
    std::condition_variable_any wake_;
    std::condition_variable done_;
    std::optional<Job> waiting_;
    std::vector<QString> sweep_;
    bool busy_ = false;
    std::jthread thread_; // last: it starts once the rest is ready and stops before it goes
};
