#include "EngineError.h"

EngineError::EngineError(std::uint16_t code) : Code(code) {}

const char* EngineError::what() const noexcept
{
    return "DirectX component error";
}
