#pragma once

#include <cstdint>

namespace win {

inline constexpr std::uint32_t VER_PLATFORM_WIN32s = 0;
inline constexpr std::uint32_t VER_PLATFORM_WIN32_WINDOWS = 1;
inline constexpr std::uint32_t VER_PLATFORM_WIN32_NT = 2;

struct OSVERSIONINFO {
    std::uint32_t dwOSVersionInfoSize;
    std::uint32_t dwMajorVersion;
    std::uint32_t dwMinorVersion;
    std::uint32_t dwBuildNumber;
    std::uint32_t dwPlatformId;
    char szCSDVersion[128];
};
static_assert(sizeof(OSVERSIONINFO) == 148);

// The running system as a member of the NT family, numbered after its kernel. Every kernel runs
// this platform layer, which offers DirectX 5, so an older kernel still counts as a version that
// has it. False when the caller's size field is not the record's.
bool GetVersionEx(OSVERSIONINFO& info);

// Whether the named system module loads and exports the named entry: the DirectX modules whose
// stand-ins this platform layer provides. Module names ignore case, as the system's do.
bool ModuleExports(const char* module, const char* entry);

} // namespace win
