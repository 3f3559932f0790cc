#include "DXCamera.h"

#include "DXErrors.h"
#include "DXScene.h"
#include "DirectX3DRM.h"
#include "EngineError.h"
#include "win/Fpu.h"

TDXCamera::TDXCamera()
{
    win::MaskFloatingPointExceptions();
}

win::HRESULT TDXCamera::Create(TDirectX3DRM& directX3DRM, rm::Frame3* sceneFrame)
{
    if (CheckDXResult(directX3DRM.RM3->CreateFrame(sceneFrame, CameraFrame)) != 0)
        throw EngineError(EngineErrorCode::CreateFrame);
    if (CheckDXResult(CameraFrame->SetPosition(sceneFrame, PosX, PosY, PosZ)) != 0)
        throw EngineError(EngineErrorCode::SetFramePosition);
    NormalizeVector(ViewX, ViewY, ViewZ);
    return CameraFrame->SetOrientation(sceneFrame, ViewX, ViewY, ViewZ, 0.0f, 1.0f, 0.0f);
}

void TDXCamera::Destroy()
{
    CameraFrame.reset();
}
