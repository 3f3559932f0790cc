// A notebook's files as the open dialog and the reader meet them: every input is read as an
// index and as a page picture.

#include "storage/NotebookIndex.h"
#include "storage/PagePicture.h"
#include "turtle/TurtleState.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    DecodeIndex(bytes);
    std::vector<std::uint8_t> image(kSheetBytes);
    DecodePagePicture(bytes, image.data());
    return 0;
}
