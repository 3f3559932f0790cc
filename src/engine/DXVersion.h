#pragma once

#include <cstdint>

class EngineSystem;

// Which DirectX release the system offers, found by what it does rather than by any version
// resource. Version and platform are 0 when the probe fails.
struct DXVersion {
    // 0x100, 0x200, 0x300: DirectX 1 to 3; 0x500: 5 or later; 0x501: 5 or later, decided from
    // the operating system alone.
    std::uint32_t Version = 0;
    // The platform id of the system's version record: 1 for the 95 family, 2 for NT.
    std::uint32_t Platform = 0;
};

inline constexpr std::uint32_t kDirectX5 = 0x500;

DXVersion ProbeDXVersion(EngineSystem& system);
