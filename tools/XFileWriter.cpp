#include "XFileWriter.h"

#include <locale>
#include <sstream>

namespace {

class XWriter {
public:
    XWriter()
    {
        out_.imbue(std::locale::classic());
        out_.setf(std::ios::fixed);
        out_.precision(6);
    }

    void WriteFrame(const Frame& frame, int depth)
    {
        Line(depth, "Frame " + frame.name + " {");
        // Row vectors: the translation is the last row.
        Line(depth + 1, "FrameTransformMatrix {");
        Indent(depth + 2);
        out_ << "1.0,0.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,0.0,1.0,0.0," << frame.origin.x << ','
             << frame.origin.y << ',' << frame.origin.z << ",1.0;;\n";
        Line(depth + 1, "}");
        if (!frame.mesh.triangles.empty())
            WriteMesh(frame.name + "Mesh", frame.mesh, depth + 1);
        for (const Frame& child : frame.children)
            WriteFrame(child, depth + 1);
        Line(depth, "}");
    }

    std::string Text() const { return out_.str(); }

private:
    void WriteMesh(const std::string& name, const Mesh& mesh, int depth)
    {
        Line(depth, "Mesh " + name + " {");
        Line(depth + 1, std::to_string(mesh.vertices.size()) + ";");
        for (std::size_t i = 0; i < mesh.vertices.size(); ++i) {
            const Vec3& v = mesh.vertices[i];
            Indent(depth + 1);
            out_ << v.x << ';' << v.y << ';' << v.z << ';' << Separator(i, mesh.vertices.size()) << '\n';
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
            out_ << u << ';' << v << ';' << Separator(i, mesh.textureCoords.size()) << '\n';
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
            out_ << color.r << ';' << color.g << ';' << color.b << ";1.0;;\n";
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

std::string XFileText(const Frame& root)
{
    XWriter writer;
    writer.WriteFrame(root, 0);
    return "xof 0302txt 0032\n\n" + writer.Text();
}
