// A picture the user picks as the sheet's background, placed on a new sheet.

#include "FuzzInput.h"
#include "SilentPanel.h"
#include "turtle/TurtleSheet.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = WriteInput(QStringLiteral("picture.bmp"), data, size);
    TTurtleState turtle;
    SilentPanel panel;
    TurtleSheet sheet(turtle, panel);
    sheet.LoadBackground(path);
    return 0;
}
