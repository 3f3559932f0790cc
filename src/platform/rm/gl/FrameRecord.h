#pragma once

#include "rm/Matrix.h"
#include "rm/MeshBuilder.h"

#include <QRect>

#include <array>
#include <cstdint>
#include <vector>

namespace rm::gl {

// What one frame shows, taken when its viewports rendered: each viewport's clear, view and
// lights, and every mesh with its place in the world at that moment. Painting it again (an
// expose) shows the same frame, however the scene has moved since.
struct FrameRecord {
    static constexpr int kMaxLights = 8; // further lights with a direction or place are left out

    struct Lights {
        D3DVECTOR ambient{};
        int count = 0;
        std::array<float, 4 * kMaxLights> vectors{}; // w 0: the direction it shines along; w 1: where it stands
        std::array<float, 3 * kMaxLights> colours{};
    };
    struct Mesh {
        Ptr<MeshBuilder3> mesh;
        Matrix4 world;
        std::array<float, 9> normalWorld{}; // row-major; turns normals as `world` turns faces
        bool lighting = false;
    };
    struct Step {
        const void* viewport = nullptr;
        std::uint32_t clearFlags = 0;
        QRect area;            // device pixels, top left origin
        bool rendered = false; // else a clear alone, to the background painted last
        D3DVECTOR background{};
        Matrix4 viewProjection;
        Lights lights;
        std::size_t firstMesh = 0;
        std::size_t meshCount = 0;
    };

    std::vector<Step> steps;
    std::vector<Mesh> meshes;
    D3DRMTEXTUREQUALITY textureQuality = D3DRMTEXTURE_NEAREST; // the device's when presented

    // The step a viewport's clear or render goes into: its own clear still waiting for its
    // render, or a new one.
    Step& StepOf(const void* viewport, const QRect& area)
    {
        if (steps.empty() || steps.back().viewport != viewport || steps.back().rendered)
            steps.emplace_back();
        Step& step = steps.back();
        step.viewport = viewport;
        step.area = area;
        return step;
    }

    // Empty for the next frame; the room stays.
    void Reset()
    {
        steps.clear();
        meshes.clear();
    }
};

} // namespace rm::gl
