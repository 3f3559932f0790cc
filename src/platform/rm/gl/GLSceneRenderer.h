#pragma once

#include "rm/Matrix.h"
#include "rm/MeshBuilder.h"
#include "rm/Texture.h"
#include "rm/gl/FrameRecord.h"

#include <QOpenGLFunctions_3_3_Core>
#include <QSize>

#include <array>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

class QOpenGLShaderProgram;

namespace rm::gl {

// Paints recorded frames with OpenGL into the current framebuffer. Mesh geometry and textures
// stay on the GPU between frames and are taken again only when their change counters move;
// what no paint used since the last sweep is let go. Every call needs the context it was set
// up in.
class GLSceneRenderer final : protected QOpenGLFunctions_3_3_Core {
public:
    GLSceneRenderer();
    ~GLSceneRenderer();
    GLSceneRenderer(const GLSceneRenderer&) = delete;
    GLSceneRenderer& operator=(const GLSceneRenderer&) = delete;

    // False when the context lacks OpenGL 3.3 or the shaders do not build.
    bool Initialize();

    // Each step: its area cleared as its flags ask, to its scene's background or else to
    // `background` (the one painted last, which the call keeps up to date), then its meshes,
    // into the framebuffer bound now: `framebuffer` pixels, `scale` of them to a device pixel.
    void Draw(const FrameRecord& frame, QSize framebuffer, qreal scale, D3DVECTOR& background);
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
        GLuint colours = 0;
        // The palette as RGBA, alpha 0 where decal transparency keys the colour out.
        std::array<std::uint8_t, 256 * 4> palette{};
        bool usable = false; // the image held 8-bit indices when last taken
        int width = 0;
        int height = 0;
        std::uint32_t pixelChanges = 0;
        std::uint32_t paletteChanges = 0;
        bool smallerCopiesCurrent = false; // the smaller copies show the pixels now
        bool rowsSinceCopies = false;        // rows alone were taken since the copies were made
        // The texture's count when the copies were last made: rows taken since are waited out
        // until it asks again, whether before or after they came.
        std::uint32_t mipmapGenerations = 0;
        GLint minFilter = -1;
        GLint magFilter = -1;
        bool transparency = false;
        D3DCOLOR transparentColor = 0;
        std::uint64_t lastFrame = 0;
    };
    struct Uniforms {
        GLint model = -1, normalWorld = -1, viewProjection = -1, lighting = -1, ambient = -1, lightCount = -1,
              lightVectors = -1, lightColours = -1, materialColour = -1;
    };
    struct Program {
        std::unique_ptr<QOpenGLShaderProgram> shaders;
        Uniforms uniforms;
        std::uint64_t step = 0; // the step and mesh whose values its uniforms hold
        std::uint64_t mesh = 0;
    };
    bool BuildProgram(Program& program, const char* defines);
    // Binds the program, with the current step's and mesh's values.
    Uniforms& Use(Program& program);
    void DrawMesh(const FrameRecord::Mesh& mesh);
    MeshEntry& CachedMesh(MeshBuilder3& mesh);
    void UploadMesh(MeshEntry& entry);
    // The texture ready to draw with, or none when its image cannot be read.
    const TextureEntry* CachedTexture(Texture3& texture);
    // The indices of the image's given rows as their palette colours.
    void UploadColours(TextureEntry& entry, RowRange rows);
    // Sampling as the device's texture quality or the texture asks, with smaller copies made
    // again when the texture asks or all its pixels were taken.
    void ChooseFilter(TextureEntry& entry);
    static RowRange WholeImage(const Texture3& texture) { return {0, texture.GetImage()->height}; }
    void TakePalette(TextureEntry& entry);
    void SetMatrix(GLint location, const Matrix4& m);
    void FreeMesh(MeshEntry& entry);
    void FreeTexture(TextureEntry& entry);

    enum ProgramKind { kPlain, kTextured, kKeyed }; // kKeyed: decal-transparent textures
    std::array<Program, 3> programs_;
    Program* bound_ = nullptr;
    const FrameRecord::Step* step_ = nullptr;
    const FrameRecord::Mesh* mesh_ = nullptr;
    std::uint64_t stepSerial_ = 0;
    std::uint64_t meshSerial_ = 0;
    D3DRMTEXTUREQUALITY quality_ = D3DRMTEXTURE_NEAREST;
    std::uint64_t frame_ = 1; // counts sweeps
    std::unordered_map<const MeshBuilder3*, MeshEntry> meshes_;
    std::unordered_map<const Texture3*, TextureEntry> textures_;

    // Working space, kept to spare allocations.
    std::vector<float> vertexData_;
    std::vector<std::uint32_t> runStarts_;
    std::vector<std::uint8_t> colourData_;
};

} // namespace rm::gl
