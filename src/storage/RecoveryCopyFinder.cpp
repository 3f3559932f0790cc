#include "storage/RecoveryCopyFinder.h"

#include <utility>

RecoveryCopyFinder::RecoveryCopyFinder(const QString& root, std::function<void(std::optional<Found>)> found,
                                       std::function<void(std::vector<QString>)> empty)
    : thread_([root, found = std::move(found), empty = std::move(empty)](std::stop_token stop) {
          std::optional<Found> result = Look(root, empty, [&stop] { return stop.stop_requested(); });
          if (!stop.stop_requested())
              found(std::move(result));
      })
{
}

std::optional<RecoveryCopyFinder::Found> RecoveryCopyFinder::Look(const QString& root,
                                                                  const std::function<void(std::vector<QString>)>& empty,
                                                                  const std::function<bool()>& stop)
{
    for (bool first = true;; first = false) {
        LeftCopies left = RecoveryCopy::Left(root, stop);
        // Handed over once: a second look finds the same ones still waiting for removal.
        if (first && empty && !left.Empty.empty())
            empty(std::move(left.Empty));
        if (!left.Newest || (stop && stop()))
            return std::nullopt;
        std::unique_ptr<RecoveryCopy> copy = RecoveryCopy::Adopt(*left.Newest);
        if (!copy)
            return std::nullopt; // another program started at the same time took it
        std::optional<RecoveredNotebook> notebook = copy->Read();
        if (!notebook) {
            copy->Remove();
            continue;
        }
        return Found{std::move(copy), std::move(*notebook), left.Older};
    }
}
