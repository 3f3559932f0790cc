#include "DXLight.h"

#include "win/Fpu.h"

TDXLight::TDXLight()
{
    win::MaskFloatingPointExceptions();
}
