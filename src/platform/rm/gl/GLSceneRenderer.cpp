#include "rm/gl/GLSceneRenderer.h"

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
uniform mat3 normalModel; // the inverse transpose of model's turn and scale
uniform mat4 viewProjection;
uniform bool lighting;
uniform vec3 ambient;
uniform int lightCount;
uniform vec4 lightVectors[8]; // w 0: the direction it shines along; w 1: where it stands
uniform vec3 lightColours[8];

out vec2 uv;
flat out vec3 light;

void main()
{
    gl_Position = viewProjection * (model * vec4(position, 1.0));
    uv = texCoord;
    if (!lighting) {
        light = vec3(1.0);
        return;
    }
    vec3 normal = normalize(normalModel * faceNormal);
    vec3 centre = (model * vec4(faceCentre, 1.0)).xyz;
    vec3 sum = ambient;
    for (int i = 0; i < lightCount; ++i) {
        vec3 along = lightVectors[i].xyz;
        if (lightVectors[i].w != 0.0) {
            vec3 toFace = centre - lightVectors[i].xyz;
            along = dot(toFace, toFace) > 0.0 ? normalize(toFace) : vec3(0.0);
        }
        sum += max(0.0, dot(normal, -along)) * lightColours[i];
    }
    light = sum;
}
)";

// Textures are palette indices; the palette's alpha marks the decal-transparent entries.
const char* const kFragmentShader = R"(#version 330 core
uniform vec4 materialColour;
uniform bool textured;
uniform sampler2D indices;
uniform sampler2D palette;

in vec2 uv;
flat in vec3 light;
out vec4 fragColour;

void main()
{
    // The lit material colour saturates at white before the texture modulates it, so a fully
    // lit texture shows its own colours, neither brighter nor darker.
    vec3 colour = clamp(materialColour.rgb * light, 0.0, 1.0);
    if (textured) {
        int index = int(texture(indices, uv).r * 255.0 + 0.5);
        vec4 entry = texelFetch(palette, ivec2(index, 0), 0);
        if (entry.a < 0.5)
            discard;
        colour *= entry.rgb;
    }
    fragColour = vec4(colour, 1.0);
}
)";

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

// The cofactors of the turn-and-scale part of `m`, row-major: its inverse transposed, times its
// determinant.
std::array<float, 9> Cofactors(const Matrix4& m)
{
    std::array<float, 9> c{};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column) {
            const int r0 = (row + 1) % 3, r1 = (row + 2) % 3, c0 = (column + 1) % 3, c1 = (column + 2) % 3;
            c[static_cast<std::size_t>(row * 3 + column)] = m.At(r0, c0) * m.At(r1, c1) - m.At(r0, c1) * m.At(r1, c0);
        }
    return c;
}

float Determinant(const Matrix4& m, const std::array<float, 9>& cofactors)
{
    return m.At(0, 0) * cofactors[0] + m.At(0, 1) * cofactors[1] + m.At(0, 2) * cofactors[2];
}

// The inverse of a transform that turns, scales and moves; frames loaded from models scale.
Matrix4 AffineInverse(const Matrix4& m)
{
    const std::array<float, 9> c = Cofactors(m);
    const float det = Determinant(m, c);
    Matrix4 r;
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            r.At(row, column) = c[static_cast<std::size_t>(column * 3 + row)] / det;
    const D3DVECTOR t = r.TransformDirection(m.Translation());
    r.At(0, 3) = -t.x;
    r.At(1, 3) = -t.y;
    r.At(2, 3) = -t.z;
    return r;
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
    program_ = std::make_unique<QOpenGLShaderProgram>();
    if (!program_->create() || !program_->addShaderFromSourceCode(QOpenGLShader::Vertex, kVertexShader) ||
        !program_->addShaderFromSourceCode(QOpenGLShader::Fragment, kFragmentShader) || !program_->link())
        return false;
    uniforms_.model = program_->uniformLocation("model");
    uniforms_.normalModel = program_->uniformLocation("normalModel");
    uniforms_.viewProjection = program_->uniformLocation("viewProjection");
    uniforms_.lighting = program_->uniformLocation("lighting");
    uniforms_.ambient = program_->uniformLocation("ambient");
    uniforms_.lightCount = program_->uniformLocation("lightCount");
    uniforms_.lightVectors = program_->uniformLocation("lightVectors");
    uniforms_.lightColours = program_->uniformLocation("lightColours");
    uniforms_.materialColour = program_->uniformLocation("materialColour");
    uniforms_.textured = program_->uniformLocation("textured");
    program_->bind();
    program_->setUniformValue("indices", 0);
    program_->setUniformValue("palette", 1);
    program_->release();
    return true;
}

void GLSceneRenderer::Draw(const DrawStep& step, const D3DVECTOR& background, QSize framebuffer, qreal scale)
{
    // To framebuffer pixels, counted from the bottom.
    const int x = qRound(step.area.x() * scale);
    const int width = qRound(step.area.width() * scale);
    const int height = qRound(step.area.height() * scale);
    const int y = framebuffer.height() - qRound(step.area.y() * scale) - height;
    glViewport(x, y, width, height);
    glDepthMask(GL_TRUE);

    GLbitfield clear = 0;
    if (step.clearFlags & D3DRMCLEAR_TARGET) {
        glClearColor(background.x, background.y, background.z, 1.0f);
        clear |= GL_COLOR_BUFFER_BIT;
    }
    if (step.clearFlags & D3DRMCLEAR_ZBUFFER) {
        glClearDepth(1.0);
        clear |= GL_DEPTH_BUFFER_BIT;
    }
    if (clear) {
        glEnable(GL_SCISSOR_TEST);
        glScissor(x, y, width, height);
        glClear(clear);
        glDisable(GL_SCISSOR_TEST);
    }
    if (!step.scene || !step.camera)
        return;

    program_->bind();

    // Looking along the camera's z axis; at distance 1 the view reaches 0.5 from its centre
    // across the viewport's shorter side.
    const float w = static_cast<float>(step.area.width());
    const float h = static_cast<float>(step.area.height());
    const float shorter = std::min(w, h);
    const float n = step.front;
    const float f = step.back;
    Matrix4 projection;
    projection.m = {2.0f * shorter / w, 0, 0, 0,
                    0, 2.0f * shorter / h, 0, 0,
                    0, 0, (f + n) / (f - n), -2.0f * f * n / (f - n),
                    0, 0, 1, 0};
    const Matrix4 camera = step.camera->WorldTransform();
    if (Determinant(camera, Cofactors(camera)) == 0.0f) // a camera squashed flat sees nothing
        return;
    SetMatrix(uniforms_.viewProjection, projection * AffineInverse(camera));

    const Matrix4 sceneWorld = step.scene->WorldTransform();
    ambient_ = {};
    lightCount_ = 0;
    CollectLights(*step.scene, sceneWorld);
    glUniform3f(uniforms_.ambient, ambient_.x, ambient_.y, ambient_.z);
    glUniform1i(uniforms_.lightCount, lightCount_);
    glUniform4fv(uniforms_.lightVectors, kMaxLights, lightVectors_.data());
    glUniform3fv(uniforms_.lightColours, kMaxLights, lightColours_.data());

    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glDisable(GL_CULL_FACE); // models come wound either way
    glDisable(GL_BLEND);
    DrawFrame(*step.scene, sceneWorld, (step.quality & D3DRMLIGHT_ON) != 0);
    glBindVertexArray(0);
    program_->release();
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

void GLSceneRenderer::CollectLights(const Frame3& frame, const Matrix4& world)
{
    for (const Ptr<Light>& light : frame.Lights()) {
        if (light->Type() == D3DRMLIGHT_AMBIENT) {
            ambient_ = ambient_ + D3DVECTOR{light->Red(), light->Green(), light->Blue()};
            continue;
        }
        if (lightCount_ == kMaxLights)
            continue;
        const bool directional = light->Type() == D3DRMLIGHT_DIRECTIONAL;
        const D3DVECTOR v = directional ? Normalized(world.Axis(2)) : world.Translation();
        float* vector = &lightVectors_[static_cast<std::size_t>(lightCount_) * 4];
        vector[0] = v.x;
        vector[1] = v.y;
        vector[2] = v.z;
        vector[3] = directional ? 0.0f : 1.0f;
        float* colour = &lightColours_[static_cast<std::size_t>(lightCount_) * 3];
        colour[0] = light->Red();
        colour[1] = light->Green();
        colour[2] = light->Blue();
        ++lightCount_;
    }
    for (const Ptr<Frame3>& child : frame.Children())
        CollectLights(*child, world * child->LocalTransform());
}

void GLSceneRenderer::DrawFrame(const Frame3& frame, const Matrix4& world, bool lighting)
{
    for (const Ptr<Visual>& visual : frame.Visuals()) {
        if (auto* mesh = dynamic_cast<MeshBuilder3*>(visual.get())) {
            glUniform1i(uniforms_.lighting, lighting && (mesh->Quality() & D3DRMLIGHT_ON));
            DrawMesh(*mesh, world);
        }
    }
    for (const Ptr<Frame3>& child : frame.Children())
        DrawFrame(*child, world * child->LocalTransform(), lighting);
}

void GLSceneRenderer::DrawMesh(MeshBuilder3& mesh, const Matrix4& world)
{
    const MeshEntry& entry = CachedMesh(mesh);
    if (entry.runs.empty())
        return;
    glBindVertexArray(entry.vertexArray);
    SetMatrix(uniforms_.model, world);
    // Scaled by its determinant, which only its sign survives the normalising in the shader.
    std::array<float, 9> normalModel = Cofactors(world);
    if (Determinant(world, normalModel) < 0.0f)
        for (float& value : normalModel)
            value = -value;
    glUniformMatrix3fv(uniforms_.normalModel, 1, GL_TRUE, normalModel.data());
    const std::vector<MeshMaterial>& materials = mesh.Materials();
    for (const MaterialRun& run : entry.runs) {
        const MeshMaterial* material = run.material < materials.size() ? &materials[run.material] : nullptr;
        const TextureEntry* texture =
            material && material->texture ? CachedTexture(*material->texture) : nullptr;
        if (material)
            glUniform4f(uniforms_.materialColour, material->red, material->green, material->blue, 1.0f);
        else
            glUniform4f(uniforms_.materialColour, 1.0f, 1.0f, 1.0f, 1.0f);
        glUniform1i(uniforms_.textured, texture != nullptr);
        if (texture) {
            glActiveTexture(GL_TEXTURE0);
            glBindTexture(GL_TEXTURE_2D, texture->indices);
            glActiveTexture(GL_TEXTURE1);
            glBindTexture(GL_TEXTURE_2D, texture->palette);
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
        GLuint names[2];
        glGenTextures(2, names);
        entry.indices = names[0];
        entry.palette = names[1];
        // Indices are never blended: a blend of two indices is a third, unrelated colour.
        const auto setUp = [this](GLuint name, GLint wrap) {
            glBindTexture(GL_TEXTURE_2D, name);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrap);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap);
        };
        setUp(entry.indices, GL_REPEAT);
        setUp(entry.palette, GL_CLAMP_TO_EDGE);
        UploadPixels(entry);
        UploadPalette(entry);
    } else {
        if (entry.pixelChanges != texture.PixelChanges())
            UploadPixels(entry);
        if (entry.paletteChanges != texture.PaletteChanges() || entry.transparency != texture.DecalTransparency() ||
            entry.transparentColor != texture.DecalTransparentColor())
            UploadPalette(entry);
    }
    entry.lastFrame = frame_;
    return entry.usable ? &entry : nullptr;
}

void GLSceneRenderer::UploadPixels(TextureEntry& entry)
{
    const Image& image = *entry.texture->GetImage();
    entry.pixelChanges = entry.texture->PixelChanges();
    entry.usable = ReadableIndices(image);
    if (!entry.usable)
        return;
    glBindTexture(GL_TEXTURE_2D, entry.indices);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, image.bytes_per_line);
    if (image.width == entry.width && image.height == entry.height) {
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, image.width, image.height, GL_RED, GL_UNSIGNED_BYTE, image.buffer1);
    } else {
        glTexImage2D(GL_TEXTURE_2D, 0, GL_R8, image.width, image.height, 0, GL_RED, GL_UNSIGNED_BYTE, image.buffer1);
        entry.width = image.width;
        entry.height = image.height;
    }
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
}

void GLSceneRenderer::UploadPalette(TextureEntry& entry)
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
        std::uint8_t* out = &paletteData_[static_cast<std::size_t>(i) * 4];
        out[0] = colour.red;
        out[1] = colour.green;
        out[2] = colour.blue;
        out[3] = transparent ? 0 : 255;
    }
    glBindTexture(GL_TEXTURE_2D, entry.palette);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 256, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, paletteData_.data());
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
    const GLuint names[2] = {entry.indices, entry.palette};
    glDeleteTextures(2, names);
}

} // namespace rm::gl
