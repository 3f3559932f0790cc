#include "DXCamera.h"

#include "win/Fpu.h"

TDXCamera::TDXCamera()
{
    win::MaskFloatingPointExceptions();
}
