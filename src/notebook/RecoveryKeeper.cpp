#include "notebook/RecoveryKeeper.h"

#include "notebook/NotebookDocument.h"
#include "storage/RecoveryCopy.h"

#include <algorithm>

RecoveryKeeper::RecoveryKeeper(NotebookDocument& document, std::unique_ptr<RecoveryCopy> copy,
                               std::function<bool()> resting)
    : document_(document), copy_(std::move(copy)), resting_(std::move(resting))
{
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { KeepWhenResting(); });
    connect(&document_, &NotebookDocument::Changed, this, [this] { Schedule(); });
}

RecoveryKeeper::~RecoveryKeeper()
{
    if (copy_)
        copy_->Remove();
}

void RecoveryKeeper::Schedule()
{
    if (!copy_ || timer_.isActive())
        return;
    const qint64 since = sinceWrite_.isValid() ? sinceWrite_.elapsed() : kMinIntervalMs;
    timer_.start(static_cast<int>(std::max<qint64>(0, kMinIntervalMs - since)));
}

void RecoveryKeeper::KeepWhenResting()
{
    if (resting_())
        KeepNow();
    else
        timer_.start(kWalkCheckMs);
}

void RecoveryKeeper::KeepNow()
{
    if (!copy_)
        return;
    sinceWrite_.start();
    if (document_.Modified())
        copy_->Write(document_.Pages().Contents(), document_.Name());
    else
        copy_->Clear();
}
