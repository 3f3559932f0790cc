#include "XFileWriter.h"

#include <charconv>
#include <cmath>
#include <locale>
#include <sstream>
#include <stdexcept>
#include <string_view>

namespace {

// Fixed-point with six decimals, never localised, trailing zeros dropped down to one and no sign
// on a zero: the reader takes a number without a point in a list of floats for an integer, and
// with thousands of keys short text counts.
struct Decimal {
    float value;
};

std::ostream& operator<<(std::ostream& out, Decimal number)
{
    if (!std::isfinite(number.value))
        throw std::invalid_argument("a model number is not finite");
    char text[64]; // the largest float takes 39 digits before the point
    char* end = std::to_chars(text, text + sizeof text, number.value, std::chars_format::fixed, 6).ptr;
    while (end[-1] == '0' && end[-2] != '.')
        --end;
    const std::string_view written(text, end);
    return out << (written == "-0.0" ? written.substr(1) : written);
}

class XWriter {
public:
    // Counts and indices too must not take a locale's digit grouping.
    XWriter() { out_.imbue(std::locale::classic()); }

    void WriteFrame(const Frame& frame, int depth)
    {
        Line(depth, "Frame " + frame.name + " {");
        // Row vectors: the translation is the last row.
        Line(depth + 1, "FrameTransformMatrix {");
        Indent(depth + 2);
        out_ << "1.0,0.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,0.0,1.0,0.0," << Decimal{frame.origin.x} << ','
             << Decimal{frame.origin.y} << ',' << Decimal{frame.origin.z} << ",1.0;;\n";
        Line(depth + 1, "}");
        if (!frame.mesh.triangles.empty())
            WriteMesh(frame.name + "Mesh", frame.mesh, depth + 1);
        for (const Frame& child : frame.children)
            WriteFrame(child, depth + 1);
        Line(depth, "}");
    }

    // Each animated frame's keys by kind: 0 rotations, 1 scales, 2 positions.
    void WriteAnimationSet(const AnimationSet& animation)
    {
        Line(0, "AnimationSet " + animation.name + " {");
        for (const FrameKeys& keys : animation.frames) {
            Line(1, "Animation {");
            Line(2, "{" + keys.frame + "}");
            WriteKeys(0, keys.rotations, 2);
            WriteKeys(1, keys.scales, 2);
            WriteKeys(2, keys.positions, 2);
            Line(1, "}");
        }
        Line(0, "}");
    }

    std::string Text() const { return out_.str(); }

private:
    template <class Value>
    void WriteKeys(int kind, const std::vector<Key<Value>>& keys, int depth)
    {
        if (keys.empty())
            return;
        Line(depth, "AnimationKey {");
        Line(depth + 1, std::to_string(kind) + ";");
        Line(depth + 1, std::to_string(keys.size()) + ";");
        for (std::size_t i = 0; i < keys.size(); ++i) {
            Indent(depth + 1);
            out_ << keys[i].time << ';';
            WriteValue(keys[i].value);
            out_ << ";;" << Separator(i, keys.size()) << '\n';
        }
        Line(depth, "}");
    }

    void WriteValue(const Quaternion& q)
    {
        out_ << "4;" << Decimal{q.w} << ',' << Decimal{q.x} << ',' << Decimal{q.y} << ',' << Decimal{q.z};
    }

    void WriteValue(const Vec3& v) { out_ << "3;" << Decimal{v.x} << ',' << Decimal{v.y} << ',' << Decimal{v.z}; }

    void WriteMesh(const std::string& name, const Mesh& mesh, int depth)
    {
        Line(depth, "Mesh " + name + " {");
        Line(depth + 1, std::to_string(mesh.vertices.size()) + ";");
        for (std::size_t i = 0; i < mesh.vertices.size(); ++i) {
            const Vec3& v = mesh.vertices[i];
            Indent(depth + 1);
            out_ << Decimal{v.x} << ';' << Decimal{v.y} << ';' << Decimal{v.z} << ';'
                 << Separator(i, mesh.vertices.size()) << '\n';
        }
        Line(depth + 1, std::to_string(mesh.triangles.size()) + ";");
        for (std::size_t i = 0; i < mesh.triangles.size(); ++i) {
            const auto& [a, b, c] = mesh.triangles[i];
            Indent(depth + 1);
            out_ << "3;" << a << ',' << b << ',' << c << ';' << Separator(i, mesh.triangles.size()) << '\n';
        }
        if (!mesh.textureCoords.empty())
            WriteTextureCoords(mesh, depth + 1);
        WriteMaterialList(mesh, depth + 1);
        Line(depth, "}");
    }

    void WriteTextureCoords(const Mesh& mesh, int depth)
    {
        Line(depth, "MeshTextureCoords {");
        Line(depth + 1, std::to_string(mesh.textureCoords.size()) + ";");
        for (std::size_t i = 0; i < mesh.textureCoords.size(); ++i) {
            const auto& [u, v] = mesh.textureCoords[i];
            Indent(depth + 1);
            out_ << Decimal{u} << ';' << Decimal{v} << ';' << Separator(i, mesh.textureCoords.size()) << '\n';
        }
        Line(depth, "}");
    }

    void WriteMaterialList(const Mesh& mesh, int depth)
    {
        Line(depth, "MeshMaterialList {");
        Line(depth + 1, std::to_string(mesh.materials.size()) + ";");
        Line(depth + 1, std::to_string(mesh.triangleMaterials.size()) + ";");
        for (std::size_t i = 0; i < mesh.triangleMaterials.size(); ++i) {
            Indent(depth + 1);
            out_ << mesh.triangleMaterials[i] << Separator(i, mesh.triangleMaterials.size()) << '\n';
        }
        for (const Color& color : mesh.materials) {
            Line(depth + 1, "Material {");
            Indent(depth + 2);
            out_ << Decimal{color.r} << ';' << Decimal{color.g} << ';' << Decimal{color.b} << ";1.0;;\n";
            Line(depth + 2, "0.0;");         // specular power
            Line(depth + 2, "0.0;0.0;0.0;;"); // specular colour
            Line(depth + 2, "0.0;0.0;0.0;;"); // emissive colour
            if (!mesh.textureFile.empty())
                Line(depth + 2, "TextureFilename { \"" + mesh.textureFile + "\"; }");
            Line(depth + 1, "}");
        }
        Line(depth, "}");
    }

    // Array elements are separated by ',' and the array ends with ';'.
    static char Separator(std::size_t i, std::size_t count) { return i + 1 < count ? ',' : ';'; }

    void Indent(int depth) { out_ << std::string(2 * depth, ' '); }

    void Line(int depth, const std::string& text)
    {
        Indent(depth);
        out_ << text << '\n';
    }

    std::ostringstream out_;
};

} // namespace

std::string XFileText(const Frame& root, const AnimationSet& animation)
{
    XWriter writer;
    writer.WriteFrame(root, 0);
    if (!animation.frames.empty())
        writer.WriteAnimationSet(animation);
    return "xof 0302txt 0032\n\n" + writer.Text();
}
