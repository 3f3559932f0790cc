#include "EngineError.h"

EngineError::EngineError(EngineErrorCode code) : Code(static_cast<std::uint16_t>(code)) {}

const char* EngineError::what() const noexcept
{
    return "DirectX component error";
}
