#include "win/KeyState.h"

#include <QGuiApplication>

#include <optional>

namespace win {

namespace {
std::optional<bool> shiftOverride;
constexpr std::int16_t kKeyDown = static_cast<std::int16_t>(0x8000);
} // namespace

std::int16_t GetAsyncKeyState(int virtualKey)
{
    if (virtualKey != VK_SHIFT)
        return 0;
    const bool down = shiftOverride ? *shiftOverride
                                    : QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
    return down ? kKeyDown : 0;
}

KeyStateOverride::KeyStateOverride(bool shiftDown)
{
    shiftOverride = shiftDown;
}

KeyStateOverride::~KeyStateOverride()
{
    shiftOverride.reset();
}

} // namespace win
