// The remembered row of own commands, read at every start, as the program reads it: the row's
// JSON, then each command with the commands it runs.

#include "storage/OwnCommandCodec.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (const std::optional<DecodedRow> row = DecodeOwnCommandRow(bytes)) {
        // What a run does to the tools is looked up as the row is shown and run.
        for (const OwnCommandPtr& command : row->Commands) {
            TTurtleState tools;
            FollowCommandTools(*command, tools);
            DepthOf(*command);
        }
    }
    return 0;
}
