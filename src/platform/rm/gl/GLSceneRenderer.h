#pragma once

#include "rm/Matrix.h"
#include "rm/MeshBuilder.h"
#include "rm/Texture.h"
#include "rm/gl/DrawStep.h"

#include <QOpenGLFunctions_3_3_Core>
#include <QSize>

#include <array>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

class QOpenGLShaderProgram;

namespace rm::gl {

// Draws frame trees with OpenGL into the current framebuffer. Mesh geometry and textures stay
// on the GPU between frames and are taken again only when their change counters move; what
// a frame did not draw is let go at its end. Every call needs the context it was set up in.
class GLSceneRenderer final : protected QOpenGLFunctions_3_3_Core {
public:
    GLSceneRenderer();
    ~GLSceneRenderer();
    GLSceneRenderer(const GLSceneRenderer&) = delete;
    GLSceneRenderer& operator=(const GLSceneRenderer&) = delete;

    // False when the context lacks OpenGL 3.3 or the shaders do not build.
    bool Initialize();

    // Clears the step's area to `background` as its flags ask, then draws its scene, into the
    // framebuffer bound now: `framebuffer` pixels, `scale` of them to a device pixel.
    void Draw(const DrawStep& step, const D3DVECTOR& background, QSize framebuffer, qreal scale);
    // Lets go of the meshes and textures that no draw used since the last sweep.
    void Sweep();

private:
    // The faces of one material, one after another in the mesh's vertex buffer.
    struct MaterialRun {
        GLint first = 0;
        GLsizei count = 0;
        std::uint32_t material = 0; // past the mesh's materials: plain white
    };
    struct MeshEntry {
        Ptr<MeshBuilder3> mesh; // held, so that no other mesh takes its address while cached
        std::uint32_t generation = 0;
        GLuint vertexArray = 0;
        GLuint buffer = 0;
        std::vector<MaterialRun> runs;
        std::uint64_t lastFrame = 0;
    };
    struct TextureEntry {
        Ptr<Texture3> texture;
        GLuint indices = 0;
        GLuint palette = 0;
        bool usable = false; // the image held 8-bit indices when last taken
        int width = 0;
        int height = 0;
        std::uint32_t pixelChanges = 0;
        std::uint32_t paletteChanges = 0;
        bool transparency = false;
        D3DCOLOR transparentColor = 0;
        std::uint64_t lastFrame = 0;
    };
    struct Uniforms {
        GLint model = -1, normalModel = -1, viewProjection = -1, lighting = -1, ambient = -1, lightCount = -1,
              lightVectors = -1, lightColours = -1, materialColour = -1, textured = -1;
    };
    static constexpr int kMaxLights = 8;

    void CollectLights(const Frame3& frame, const Matrix4& world);
    void DrawFrame(const Frame3& frame, const Matrix4& world, bool lighting);
    void DrawMesh(MeshBuilder3& mesh, const Matrix4& world);
    MeshEntry& CachedMesh(MeshBuilder3& mesh);
    void UploadMesh(MeshEntry& entry);
    // The texture ready to draw with, or none when its image cannot be read.
    const TextureEntry* CachedTexture(Texture3& texture);
    void UploadPixels(TextureEntry& entry);
    void UploadPalette(TextureEntry& entry);
    void SetMatrix(GLint location, const Matrix4& m);
    void FreeMesh(MeshEntry& entry);
    void FreeTexture(TextureEntry& entry);

    std::unique_ptr<QOpenGLShaderProgram> program_;
    Uniforms uniforms_;
    std::uint64_t frame_ = 1; // counts sweeps
    std::unordered_map<const MeshBuilder3*, MeshEntry> meshes_;
    std::unordered_map<const Texture3*, TextureEntry> textures_;

    // Per-frame working space, kept to spare allocations.
    D3DVECTOR ambient_{};
    int lightCount_ = 0;
    std::array<float, 4 * kMaxLights> lightVectors_{};
    std::array<float, 3 * kMaxLights> lightColours_{};
    std::vector<float> vertexData_;
    std::vector<std::uint32_t> runStarts_;
    std::array<std::uint8_t, 256 * 4> paletteData_{};
};

} // namespace rm::gl
