#include "storage/RecoveryCopyWorker.h"

#include "storage/RecoveryCopy.h"

RecoveryCopyWorker::RecoveryCopyWorker(std::unique_ptr<RecoveryCopy> copy, std::function<void(std::error_code)> written)
    : copy_(std::move(copy)), written_(std::move(written)), thread_([this](std::stop_token stop) { Run(stop); })
{
}

RecoveryCopyWorker::~RecoveryCopyWorker()
{
    Finish();
    thread_.request_stop();
    thread_.join();
    copy_->Remove();
}

void RecoveryCopyWorker::Keep(NotebookContent content, QString name)
{
    Hand({std::move(content), std::move(name)});
}

void RecoveryCopyWorker::Forget()
{
    Hand({});
}

void RecoveryCopyWorker::Hand(Job job)
{
    {
        std::lock_guard lock(mutex_);
        waiting_ = std::move(job);
    }
    wake_.notify_one();
}

void RecoveryCopyWorker::Sweep(std::vector<QString> folders)
{
    {
        std::lock_guard lock(mutex_);
        sweep_.insert(sweep_.end(), folders.begin(), folders.end());
    }
    wake_.notify_one();
}

void RecoveryCopyWorker::Finish()
{
    std::unique_lock lock(mutex_);
    done_.wait(lock, [this] { return !waiting_ && !busy_; });
}

void RecoveryCopyWorker::Run(std::stop_token stop)
{
    for (;;) {
        std::optional<Job> job;
        QString empty;
        {
            std::unique_lock lock(mutex_);
            if (!wake_.wait(lock, stop, [this] { return waiting_ || !sweep_.empty(); }) || stop.stop_requested())
                return;
            if (!waiting_) {
                empty = sweep_.back();
                sweep_.pop_back();
            }
            job.swap(waiting_);
            busy_ = job.has_value();
        }
        if (!job) {
            RecoveryCopy::RemoveIfEmpty(empty);
            continue;
        }
        std::error_code error;
        if (job->Content)
            error = copy_->Write(*job->Content, job->Name);
        else
            copy_->Clear();
        // The old notebook goes here, not on the window's thread.
        job.reset();
        written_(error);
        {
            std::lock_guard lock(mutex_);
            busy_ = false;
        }
        done_.notify_all();
    }
}
