#pragma once

#include <cstdint>
#include <exception>

// A failed system call inside an engine component, by the component's error code: 100–114 core,
// 300–308 input, 400–411 scene and camera, 500–504 sound, 600–602 character. The core's
// operations catch it and show it.
struct EngineError : std::exception {
    explicit EngineError(std::uint16_t code);
    const char* what() const noexcept override;

    std::uint16_t Code;
};
