#include "DXFog.h"

#include "win/Fpu.h"

TDXFog::TDXFog()
{
    win::MaskFloatingPointExceptions();
}
