#include "win/SystemInfo.h"

#include <strings.h>
#include <sys/utsname.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>

namespace win {
namespace {

// The first NT version whose systems come with DirectX 5.
constexpr std::uint32_t kFirstVersionWithDirectX5 = 5;

struct Export {
    const char* module;
    const char* entry;
};

constexpr Export kExports[] = {
    {"DDRAW.DLL", "DirectDrawCreate"},
    {"DDRAW.DLL", "DirectDrawCreateClipper"},
    {"DINPUT.DLL", "DirectInputCreateA"},
    {"DSOUND.DLL", "DirectSoundCreate"},
    {"D3DRM.DLL", "Direct3DRMCreate"},
};

} // namespace

bool GetVersionEx(OSVERSIONINFO& info)
{
    if (info.dwOSVersionInfoSize != sizeof(OSVERSIONINFO))
        return false;
    unsigned major = 0, minor = 0, build = 0;
    utsname system{};
    // A release that cannot be read leaves the numbers it lacks at zero.
    if (uname(&system) == 0)
        std::sscanf(system.release, "%u.%u.%u", &major, &minor, &build);
    info.dwMajorVersion = std::max<std::uint32_t>(major, kFirstVersionWithDirectX5);
    info.dwMinorVersion = minor;
    info.dwBuildNumber = build;
    info.dwPlatformId = VER_PLATFORM_WIN32_NT;
    std::memset(info.szCSDVersion, 0, sizeof info.szCSDVersion);
    return true;
}

bool ModuleExports(const char* module, const char* entry)
{
    if (!module || !entry)
        return false;
    return std::any_of(std::begin(kExports), std::end(kExports), [&](const Export& known) {
        return strcasecmp(known.module, module) == 0 && std::strcmp(known.entry, entry) == 0;
    });
}

} // namespace win
