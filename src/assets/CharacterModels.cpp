#include "CharacterModels.h"

#include "JoinFile.h"
#include "engine/DXAnimation.h"
#include "rm/Types.h"

#include <cstdio>
#include <memory>

std::string CharacterEntryName(std::int32_t shape, std::int32_t animation)
{
    // Unsigned arithmetic: only the low byte of 64 + animation makes the letter.
    const auto letter = static_cast<char>(64u + static_cast<std::uint32_t>(animation));
    char digits[16];
    std::snprintf(digits, sizeof digits, "%02d", static_cast<int>(shape));
    return std::string(digits) + letter;
}

bool LoadAnimationEntry(TJoinFile& archive, const std::string& name, TDXAnimation& animation)
{
    std::unique_ptr<std::uint8_t[]> data;
    std::int32_t size = 0;
    if (!archive.ReadEntry(name, data, size, static_cast<std::int32_t>(rm::kMaxModelBytes)))
        return false;
    animation.Destroy();
    animation.Create(data.get(), size);
    return true;
}
