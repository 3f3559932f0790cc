#include "shell/OwnCommandPictures.h"

#include "storage/OwnCommand.h"

#include <array>

QIcon OwnCommandIcon(int picture)
{
    // The numbers are kept on disk with each command.
    static constexpr std::array<const char*, kOwnPictureCount> kFiles = {
        "flower", "star", "house", "leaf", "wave", "stairs", "heart", "sun", "tree", "fish", "spiral", "boat",
    };
    if (picture < 0 || picture >= kOwnPictureCount)
        picture = 0;
    return QIcon(QStringLiteral(":/own-%1.svg").arg(QLatin1String(kFiles[static_cast<std::size_t>(picture)])));
}
