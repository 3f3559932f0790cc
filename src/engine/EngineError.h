#pragma once

#include <cstdint>
#include <exception>

// The engine components' error codes, as the error box shows them: 100–114 core, 300–308 input,
// 400–411 scene and camera, 500–504 sound, 600–602 character.
enum class EngineErrorCode : std::uint16_t {
    CreateRetainedMode = 100,
    QueryRetainedMode3 = 101,
    CreateDevice = 102,
    QueryDevice = 103,
    SetShades = 104,
    SetDither = 107,
    CreateClipper = 108,
    SetClipperWindow = 109,
    CreateViewport = 110,
    SetBackClipping = 111,
    SetQuality = 112,
    SetTextureQuality = 113,
    SetFrontClipping = 114,

    CreateInput = 300,
    CreateInputDevice = 301,
    SetDataFormat = 302,
    SetInputCooperativeLevel = 303,
    SetEventNotification = 308,

    // Also raised when the scene or the camera component is missing.
    CreateFrame = 400,
    CreateLight = 401,
    SetFramePosition = 402,
    SetLightOrientation = 403,
    AddLight = 404,
    CreateMeshBuilder = 405,
    AddVisual = 410,
    SetSceneBackground = 411,

    SetSoundCooperativeLevel = 501,
    CreateSoundBuffer = 502,
    SetSpeakerConfig = 504,

    CreateCharacterFrame = 600,
    CreateAnimationSet = 601,
    LoadAnimation = 602,
};

// A failed system call inside an engine component. The core's operations catch it and show its
// code.
struct EngineError : std::exception {
    explicit EngineError(EngineErrorCode code);
    const char* what() const noexcept override;

    std::uint16_t Code;
};
