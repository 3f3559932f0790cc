#include "rm/gl/GLSceneRenderer.h"

#include <QOpenGLContext>
#include <QOpenGLShaderProgram>

#include <algorithm>

namespace rm::gl {

namespace {

// Flat shading: every vertex of a face carries the face's normal and centre, so the three
// compute the same light and the fragments take it unblended. A light that has a place
// (point, spot, parallel point) shines from there onto the face's centre, unweakened with
// distance and without a cone.
const char* const kVertexShader = R"(#version 330 core
layout(location = 0) in vec3 position;
layout(location = 1) in vec3 faceNormal;
layout(location = 2) in vec2 texCoord;
layout(location = 3) in vec3 faceCentre;

uniform mat4 model;
uniform mat3 normalWorld; // the inverse transpose of model's turn and scale
uniform mat4 viewProjection;
uniform bool lighting;
uniform vec3 ambient;
uniform int lightCount;
uniform vec4 lightVectors[8]; // w 0: the direction it shines along; w 1: where it stands
uniform vec3 lightColours[8];
uniform vec4 materialColour;

out vec2 uv;
flat out vec3 colour;

void main()
{
    gl_Position = viewProjection * (model * vec4(position, 1.0));
    uv = texCoord;
    vec3 light = vec3(1.0);
    if (lighting) {
        vec3 normal = normalize(normalWorld * faceNormal);
        vec3 centre = (model * vec4(faceCentre, 1.0)).xyz;
        light = ambient;
        for (int i = 0; i < lightCount; ++i) {
            vec3 along = lightVectors[i].xyz;
            if (lightVectors[i].w != 0.0) {
                vec3 toFace = centre - lightVectors[i].xyz;
                along = dot(toFace, toFace) > 0.0 ? normalize(toFace) : vec3(0.0);
            }
            light += max(0.0, dot(normal, -along)) * lightColours[i];
        }
    }
    // The lit material colour saturates at white before the texture modulates it, so a fully
    // lit texture shows its own colours, neither brighter nor darker.
    colour = clamp(materialColour.rgb * light, 0.0, 1.0);
}
)";

// Textures are the colours their palette gives their indices. Each kind of face gets a shader
// that does only what it needs, and only textures with decal transparency get the one that can
// discard a fragment: a software rasteriser pays for every step on every fragment.
const char* const kFragmentShader = R"(
uniform sampler2D colours;

in vec2 uv;
flat in vec3 colour;
out vec4 fragColour;

void main()
{
#ifdef TEXTURED
    vec4 texel = texture(colours, uv);
#ifdef KEYED
    if (texel.a < 0.5)
        discard;
#endif
    fragColour = vec4(colour * texel.rgb, 1.0);
#else
    fragColour = vec4(colour, 1.0);
#endif
}
)";

struct Filter {
    GLint min = GL_NEAREST;
    GLint mag = GL_NEAREST;
    bool smallerCopies = false;
};

// How a device's texture quality samples: the nearest texel or a blend of four, in the image
// itself or in the smaller copy (or the two) nearest to the size it is seen at.
Filter QualityFilter(D3DRMTEXTUREQUALITY quality)
{
    switch (quality) {
    case D3DRMTEXTURE_LINEAR: return {GL_LINEAR, GL_LINEAR, false};
    case D3DRMTEXTURE_MIPNEAREST: return {GL_NEAREST_MIPMAP_NEAREST, GL_NEAREST, true};
    case D3DRMTEXTURE_MIPLINEAR: return {GL_LINEAR_MIPMAP_NEAREST, GL_LINEAR, true};
    case D3DRMTEXTURE_LINEARMIPNEAREST: return {GL_NEAREST_MIPMAP_LINEAR, GL_NEAREST, true};
    case D3DRMTEXTURE_LINEARMIPLINEAR: return {GL_LINEAR_MIPMAP_LINEAR, GL_LINEAR, true};
    default: return {GL_NEAREST, GL_NEAREST, false};
    }
}

// A texture that asked for smaller copies: up close each texel is a sharp square; from afar
// thin lines thin out instead of breaking up. Indices cannot be blended (a blend of two indices
// is a third, unrelated colour), so the copies are of their colours.
constexpr Filter kSmallerCopiesFilter{GL_LINEAR_MIPMAP_LINEAR, GL_NEAREST, true};


static_assert(FrameRecord::kMaxLights == 8, "the vertex shader's light arrays");

// position, face normal, texture coordinates, face centre
constexpr int kFloatsPerVertex = 11;

D3DVECTOR operator-(const D3DVECTOR& a, const D3DVECTOR& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
D3DVECTOR operator+(const D3DVECTOR& a, const D3DVECTOR& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }

// The normal of a flat face. Its side comes from the vertex normals the model gives, where it
// gives any, so that a model wound either way is lit on its outside.
D3DVECTOR FaceNormal(const MeshBuilder3::Vertex& a, const MeshBuilder3::Vertex& b, const MeshBuilder3::Vertex& c)
{
    D3DVECTOR n = Normalized(Cross(b.position - a.position, c.position - a.position));
    const D3DVECTOR given = a.normal + b.normal + c.normal;
    if (Dot(n, given) < 0.0f)
        n = {-n.x, -n.y, -n.z};
    if (Dot(n, n) == 0.0f) // no area: nothing of it shows, any normal does
        n = {0.0f, 1.0f, 0.0f};
    return n;
}

bool ReadableIndices(const Image& image)
{
    return image.width > 0 && image.height > 0 && image.depth == 8 && image.bytes_per_line >= image.width &&
           image.buffer1 != nullptr;
}

} // namespace

GLSceneRenderer::GLSceneRenderer() = default;

GLSceneRenderer::~GLSceneRenderer()
{
    for (auto& [key, entry] : meshes_)
        FreeMesh(entry);
    for (auto& [key, entry] : textures_)
        FreeTexture(entry);
}

bool GLSceneRenderer::Initialize()
{
    if (!initializeOpenGLFunctions())
        return false;
    return BuildProgram(programs_[kPlain], "") && BuildProgram(programs_[kTextured], "#define TEXTURED\n")
           && BuildProgram(programs_[kKeyed], "#define TEXTURED\n#define KEYED\n");
}

bool GLSceneRenderer::BuildProgram(Program& program, const char* defines)
{
    const QByteArray fragment = QByteArrayLiteral("#version 330 core\n") + defines + kFragmentShader;
    program.shaders = std::make_unique<QOpenGLShaderProgram>();
    QOpenGLShaderProgram& shaders = *program.shaders;
    if (!shaders.create() || !shaders.addShaderFromSourceCode(QOpenGLShader::Vertex, kVertexShader) ||
        !shaders.addShaderFromSourceCode(QOpenGLShader::Fragment, fragment) || !shaders.link())
        return false;
    Uniforms& uniforms = program.uniforms;
    uniforms.model = shaders.uniformLocation("model");
    uniforms.normalWorld = shaders.uniformLocation("normalWorld");
    uniforms.viewProjection = shaders.uniformLocation("viewProjection");
    uniforms.lighting = shaders.uniformLocation("lighting");
    uniforms.ambient = shaders.uniformLocation("ambient");
    uniforms.lightCount = shaders.uniformLocation("lightCount");
    uniforms.lightVectors = shaders.uniformLocation("lightVectors");
    uniforms.lightColours = shaders.uniformLocation("lightColours");
    uniforms.materialColour = shaders.uniformLocation("materialColour");
    const int colours = shaders.uniformLocation("colours");
    if (colours >= 0) {
        shaders.bind();
        shaders.setUniformValue(colours, 0);
        shaders.release();
    }
    return true;
}

void GLSceneRenderer::Draw(const FrameRecord& frame, QSize framebuffer, qreal scale, D3DVECTOR& background)
{
    quality_ = frame.textureQuality;
    for (const FrameRecord::Step& step : frame.steps) {
        // To framebuffer pixels, counted from the bottom.
        const int x = qRound(step.area.x() * scale);
        const int width = qRound(step.area.width() * scale);
        const int height = qRound(step.area.height() * scale);
        const int y = framebuffer.height() - qRound(step.area.y() * scale) - height;
        glViewport(x, y, width, height);
        if (step.rendered)
            background = step.background;

        GLbitfield clear = 0;
        if (step.clearFlags & D3DRMCLEAR_TARGET) {
            glClearColor(background.x, background.y, background.z, 1.0f);
            clear |= GL_COLOR_BUFFER_BIT;
        }
        if (step.clearFlags & D3DRMCLEAR_ZBUFFER) {
            glDepthMask(GL_TRUE);
            glClearDepth(1.0);
            clear |= GL_DEPTH_BUFFER_BIT;
        }
        if (clear) {
            glEnable(GL_SCISSOR_TEST);
            glScissor(x, y, width, height);
            glClear(clear);
            glDisable(GL_SCISSOR_TEST);
        }
        if (step.meshCount == 0)
            continue;

        step_ = &step;
        ++stepSerial_;
        glEnable(GL_DEPTH_TEST);
        glDepthFunc(GL_LESS);
        glDepthMask(GL_TRUE);
        glDisable(GL_CULL_FACE); // models come wound either way
        glDisable(GL_BLEND);
        for (std::size_t i = step.firstMesh; i < step.firstMesh + step.meshCount; ++i)
            DrawMesh(frame.meshes[i]);
        glBindVertexArray(0);
        if (bound_) {
            bound_->shaders->release();
            bound_ = nullptr;
        }
    }
}

void GLSceneRenderer::Sweep()
{
    for (auto it = meshes_.begin(); it != meshes_.end();) {
        if (it->second.lastFrame == frame_) {
            ++it;
            continue;
        }
        FreeMesh(it->second);
        it = meshes_.erase(it);
    }
    for (auto it = textures_.begin(); it != textures_.end();) {
        if (it->second.lastFrame == frame_) {
            ++it;
            continue;
        }
        FreeTexture(it->second);
        it = textures_.erase(it);
    }
    ++frame_;
}

GLSceneRenderer::Uniforms& GLSceneRenderer::Use(Program& program)
{
    if (bound_ != &program) {
        program.shaders->bind();
        bound_ = &program;
    }
    const Uniforms& uniforms = program.uniforms;
    if (program.step != stepSerial_) {
        program.step = stepSerial_;
        const FrameRecord::Lights& lights = step_->lights;
        SetMatrix(uniforms.viewProjection, step_->viewProjection);
        glUniform3f(uniforms.ambient, lights.ambient.x, lights.ambient.y, lights.ambient.z);
        glUniform1i(uniforms.lightCount, lights.count);
        glUniform4fv(uniforms.lightVectors, FrameRecord::kMaxLights, lights.vectors.data());
        glUniform3fv(uniforms.lightColours, FrameRecord::kMaxLights, lights.colours.data());
    }
    if (program.mesh != meshSerial_) {
        program.mesh = meshSerial_;
        SetMatrix(uniforms.model, mesh_->world);
        glUniformMatrix3fv(uniforms.normalWorld, 1, GL_TRUE, mesh_->normalWorld.data());
        glUniform1i(uniforms.lighting, mesh_->lighting);
    }
    return program.uniforms;
}

void GLSceneRenderer::DrawMesh(const FrameRecord::Mesh& drawn)
{
    MeshBuilder3& mesh = *drawn.mesh;
    const MeshEntry& entry = CachedMesh(mesh);
    if (entry.runs.empty())
        return;
    glBindVertexArray(entry.vertexArray);
    mesh_ = &drawn;
    ++meshSerial_;
    const std::vector<MeshMaterial>& materials = mesh.Materials();
    for (const MaterialRun& run : entry.runs) {
        const MeshMaterial* material = run.material < materials.size() ? &materials[run.material] : nullptr;
        const TextureEntry* texture =
            material && material->texture ? CachedTexture(*material->texture) : nullptr;
        const Uniforms& uniforms = Use(programs_[!texture ? kPlain : texture->transparency ? kKeyed : kTextured]);
        if (material)
            glUniform4f(uniforms.materialColour, material->red, material->green, material->blue, 1.0f);
        else
            glUniform4f(uniforms.materialColour, 1.0f, 1.0f, 1.0f, 1.0f);
        if (texture) {
            glActiveTexture(GL_TEXTURE0);
            glBindTexture(GL_TEXTURE_2D, texture->colours);
        }
        glDrawArrays(GL_TRIANGLES, run.first, run.count);
    }
}

GLSceneRenderer::MeshEntry& GLSceneRenderer::CachedMesh(MeshBuilder3& mesh)
{
    auto [it, added] = meshes_.try_emplace(&mesh);
    MeshEntry& entry = it->second;
    if (added) {
        entry.mesh = Ptr<MeshBuilder3>::Share(&mesh);
        glGenVertexArrays(1, &entry.vertexArray);
        glGenBuffers(1, &entry.buffer);
        glBindVertexArray(entry.vertexArray);
        glBindBuffer(GL_ARRAY_BUFFER, entry.buffer);
        const auto attribute = [this](GLuint index, GLint size, int offset) {
            glEnableVertexAttribArray(index);
            glVertexAttribPointer(index, size, GL_FLOAT, GL_FALSE, kFloatsPerVertex * sizeof(float),
                                  reinterpret_cast<const void*>(offset * sizeof(float)));
        };
        attribute(0, 3, 0);
        attribute(1, 3, 3);
        attribute(2, 2, 6);
        attribute(3, 3, 8);
        UploadMesh(entry);
    } else if (entry.generation != mesh.Generation()) {
        UploadMesh(entry);
    }
    entry.lastFrame = frame_;
    return entry;
}

void GLSceneRenderer::UploadMesh(MeshEntry& entry)
{
    const MeshBuilder3& mesh = *entry.mesh;
    entry.generation = mesh.Generation();
    const std::vector<MeshBuilder3::Vertex>& vertices = mesh.Vertices();
    const std::vector<MeshFace>& faces = mesh.Faces();
    const std::size_t plain = mesh.Materials().size(); // the run of faces without a material
    const auto runOf = [plain](const MeshFace& face) { return std::min<std::size_t>(face.material, plain); };
    const auto whole = [&vertices](const MeshFace& face) {
        return std::all_of(std::begin(face.vertex), std::end(face.vertex),
                           [&vertices](std::uint32_t v) { return v < vertices.size(); });
    };

    // Faces grouped by material, so that each material is one draw.
    runStarts_.assign(plain + 2, 0);
    for (const MeshFace& face : faces)
        if (whole(face))
            ++runStarts_[runOf(face) + 1];
    for (std::size_t i = 1; i < runStarts_.size(); ++i)
        runStarts_[i] += runStarts_[i - 1];
    entry.runs.clear();
    for (std::size_t run = 0; run <= plain; ++run) {
        const std::uint32_t count = runStarts_[run + 1] - runStarts_[run];
        if (count > 0)
            entry.runs.push_back({static_cast<GLint>(runStarts_[run] * 3), static_cast<GLsizei>(count * 3),
                                  static_cast<std::uint32_t>(run)});
    }

    vertexData_.resize(static_cast<std::size_t>(runStarts_.back()) * 3 * kFloatsPerVertex);
    for (const MeshFace& face : faces) {
        if (!whole(face))
            continue;
        const MeshBuilder3::Vertex* corner[3] = {&vertices[face.vertex[0]], &vertices[face.vertex[1]],
                                                 &vertices[face.vertex[2]]};
        const D3DVECTOR normal = FaceNormal(*corner[0], *corner[1], *corner[2]);
        const D3DVECTOR sum = corner[0]->position + corner[1]->position + corner[2]->position;
        const D3DVECTOR centre{sum.x / 3.0f, sum.y / 3.0f, sum.z / 3.0f};
        float* out = &vertexData_[static_cast<std::size_t>(runStarts_[runOf(face)]++) * 3 * kFloatsPerVertex];
        for (const MeshBuilder3::Vertex* v : corner) {
            const float values[kFloatsPerVertex] = {v->position.x, v->position.y, v->position.z, normal.x,
                                                    normal.y, normal.z, v->u, v->v, centre.x, centre.y,
                                                    centre.z};
            out = std::copy(std::begin(values), std::end(values), out);
        }
    }
    glBindBuffer(GL_ARRAY_BUFFER, entry.buffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertexData_.size() * sizeof(float)),
                 vertexData_.data(), GL_STATIC_DRAW);
}

const GLSceneRenderer::TextureEntry* GLSceneRenderer::CachedTexture(Texture3& texture)
{
    auto [it, added] = textures_.try_emplace(&texture);
    TextureEntry& entry = it->second;
    if (added) {
        entry.texture = Ptr<Texture3>::Share(&texture);
        glGenTextures(1, &entry.colours);
        glBindTexture(GL_TEXTURE_2D, entry.colours);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
        TakePalette(entry);
        UploadColours(entry, WholeImage(texture));
    } else {
        const bool newPalette = entry.paletteChanges != texture.PaletteChanges()
                                || entry.transparency != texture.DecalTransparency()
                                || entry.transparentColor != texture.DecalTransparentColor();
        if (newPalette) {
            TakePalette(entry);
            UploadColours(entry, WholeImage(texture));
        } else if (entry.pixelChanges != texture.PixelChanges()) {
            UploadColours(entry, texture.ChangedRowsSince(entry.pixelChanges));
        }
    }
    if (entry.usable)
        ChooseFilter(entry);
    entry.lastFrame = frame_;
    return entry.usable ? &entry : nullptr;
}

void GLSceneRenderer::UploadColours(TextureEntry& entry, RowRange rows)
{
    Texture3& texture = *entry.texture;
    const Image& image = *texture.GetImage();
    entry.pixelChanges = texture.PixelChanges();
    texture.ForgetChangedRows();
    entry.usable = ReadableIndices(image);
    if (!entry.usable) {
        entry.width = entry.height = 0; // whatever comes next is taken whole
        return;
    }
    const bool sameShape = image.width == entry.width && image.height == entry.height;
    if (!sameShape)
        rows = WholeImage(texture);
    rows.top = std::max(rows.top, 0);
    rows.bottom = std::min(rows.bottom, image.height);
    if (rows.top >= rows.bottom)
        return;
    colourData_.resize(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(rows.bottom - rows.top) * 4);
    const auto* indices = static_cast<const std::uint8_t*>(image.buffer1);
    std::uint8_t* out = colourData_.data();
    for (int row = rows.top; row < rows.bottom; ++row) {
        const std::uint8_t* line = indices + static_cast<std::ptrdiff_t>(row) * image.bytes_per_line;
        for (int column = 0; column < image.width; ++column, out += 4)
            std::copy_n(&entry.palette[static_cast<std::size_t>(line[column]) * 4], 4, out);
    }
    glBindTexture(GL_TEXTURE_2D, entry.colours);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    if (sameShape) {
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, rows.top, image.width, rows.bottom - rows.top, GL_RGBA,
                        GL_UNSIGNED_BYTE, colourData_.data());
    } else {
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, image.width, image.height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     colourData_.data());
        entry.width = image.width;
        entry.height = image.height;
    }
    // Rows come one slice after another while the turtle walks: making the smaller copies costs
    // more than the rows drawn, so it waits until the texture asks. A whole new image (a page
    // turned, a sheet cleared) is the last change for a while.
    entry.smallerCopiesCurrent = false;
    entry.rowsSinceCopies = rows.bottom - rows.top < image.height;
}

void GLSceneRenderer::ChooseFilter(TextureEntry& entry)
{
    Filter filter = entry.texture->Mipmapped() ? kSmallerCopiesFilter : QualityFilter(quality_);
    bool makeCopies = false;
    if (filter.smallerCopies && !entry.smallerCopiesCurrent) {
        if (entry.texture->Mipmapped() && entry.rowsSinceCopies
            && entry.mipmapGenerations == entry.texture->MipmapGenerations())
            filter = {GL_NEAREST, filter.mag, false}; // until then the image itself is sampled
        else
            makeCopies = true;
    }
    // Most frames change nothing here: the texture is bound only for a change.
    if (!makeCopies && filter.min == entry.minFilter && filter.mag == entry.magFilter)
        return;
    glBindTexture(GL_TEXTURE_2D, entry.colours);
    if (makeCopies) {
        glGenerateMipmap(GL_TEXTURE_2D);
        entry.smallerCopiesCurrent = true;
        entry.rowsSinceCopies = false;
        entry.mipmapGenerations = entry.texture->MipmapGenerations();
    }
    if (filter.min != entry.minFilter) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter.min);
        entry.minFilter = filter.min;
    }
    if (filter.mag != entry.magFilter) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter.mag);
        entry.magFilter = filter.mag;
    }
}

void GLSceneRenderer::TakePalette(TextureEntry& entry)
{
    const Texture3& texture = *entry.texture;
    const Image& image = *texture.GetImage();
    entry.paletteChanges = texture.PaletteChanges();
    entry.transparency = texture.DecalTransparency();
    entry.transparentColor = texture.DecalTransparentColor();
    const int given = image.palette ? std::clamp(image.palette_size, 0, 256) : 0;
    const D3DCOLOR key = entry.transparentColor;
    for (int i = 0; i < 256; ++i) {
        const PaletteEntry colour = i < given ? image.palette[i] : PaletteEntry{};
        const bool transparent = entry.transparency && colour.red == ((key >> 16) & 0xFF) &&
                                 colour.green == ((key >> 8) & 0xFF) && colour.blue == (key & 0xFF);
        std::uint8_t* out = &entry.palette[static_cast<std::size_t>(i) * 4];
        out[0] = colour.red;
        out[1] = colour.green;
        out[2] = colour.blue;
        out[3] = transparent ? 0 : 255;
    }
}

void GLSceneRenderer::SetMatrix(GLint location, const Matrix4& m)
{
    glUniformMatrix4fv(location, 1, GL_TRUE, m.m.data()); // Matrix4 is row-major
}

void GLSceneRenderer::FreeMesh(MeshEntry& entry)
{
    glDeleteBuffers(1, &entry.buffer);
    glDeleteVertexArrays(1, &entry.vertexArray);
}

void GLSceneRenderer::FreeTexture(TextureEntry& entry)
{
    glDeleteTextures(1, &entry.colours);
}

} // namespace rm::gl
