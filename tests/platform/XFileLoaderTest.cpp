#include "fakes/TextureLoads.h"
#include "rm/Matrix.h"
#include "rm/MeshBuilder.h"
#include "support/CurrentFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using rm::D3DRM_OK;
using rm::D3DRMERR_BADFILE;
using rm::D3DRMERR_BADVALUE;
using rm::D3DVECTOR;

std::string XFile(const std::string& body)
{
    return "xof 0302txt 0064\n" + body;
}

// A triangle facing a viewer at -z: seen from there its corners run clockwise.
const std::string kTriangle = "3; 0.0;0.0;0.0;, 0.0;1.0;0.0;, 1.0;0.0;0.0;; 1; 3;0,1,2;;";

std::string Matrix(const std::string& values)
{
    return "FrameTransformMatrix { " + values + ";; }\n";
}

std::string Material(const std::string& rgba, const std::string& texture = "")
{
    std::string text = "Material { " + rgba + ";; 0.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;;";
    if (!texture.empty())
        text += " TextureFilename { \"" + texture + "\"; }";
    return text + " }\n";
}

rm::HRESULT Load(rm::MeshBuilder3& builder, const std::string& text, std::uint32_t position = 0,
                 rm::LoadTextureCallback loadTexture = nullptr, void* argument = nullptr)
{
    const rm::D3DRMLOADMEMORY memory{text.data(), static_cast<std::uint32_t>(text.size())};
    return builder.Load(&memory, &position, rm::D3DRMLOAD_FROMMEMORY | rm::D3DRMLOAD_BYPOSITION,
                        loadTexture, argument);
}

void ExpectVector(const D3DVECTOR& v, float x, float y, float z)
{
    EXPECT_NEAR(v.x, x, 1e-5f);
    EXPECT_NEAR(v.y, y, 1e-5f);
    EXPECT_NEAR(v.z, z, 1e-5f);
}

D3DVECTOR FrontOf(const rm::MeshBuilder3& mesh, const rm::MeshFace& face)
{
    const auto& v = mesh.Vertices();
    const D3DVECTOR a = v[face.vertex[0]].position, b = v[face.vertex[1]].position, c = v[face.vertex[2]].position;
    return rm::Normalized(rm::Cross({b.x - a.x, b.y - a.y, b.z - a.z}, {c.x - a.x, c.y - a.y, c.z - a.z}));
}

TEST(XFileLoader, KeepsPositionsCornerOrderAndTextureCoordinatesAsWritten)
{
    auto mesh = rm::MakePtr<rm::MeshBuilder3>();
    const std::string text = XFile("Mesh { 3; 1.0;2.0;3.0;, 1.0;3.0;3.0;, 2.0;2.0;3.0;; 1; 3;0,1,2;;\n"
                                   "  MeshTextureCoords { 3; 0.0;0.0;, 0.25;0.75;, 1.0;0.0;; } }\n");
    ASSERT_EQ(Load(*mesh, text), D3DRM_OK);
    ASSERT_EQ(mesh->Vertices().size(), 3u);
    ASSERT_EQ(mesh->Faces().size(), 1u);
    const rm::MeshFace& face = mesh->Faces()[0];
    const rm::MeshBuilder3::Vertex& first = mesh->Vertices()[face.vertex[0]];
    EXPECT_EQ(first.position.x, 1.0f);
    EXPECT_EQ(first.position.y, 2.0f);
    EXPECT_EQ(first.position.z, 3.0f);
    const rm::MeshBuilder3::Vertex& second = mesh->Vertices()[face.vertex[1]];
    ExpectVector(second.position, 1, 3, 3);
    EXPECT_EQ(second.u, 0.25f);
    EXPECT_EQ(second.v, 0.75f); // v = 0 is the picture's top row, as in the file
    // Clockwise seen from -z: the front and the computed normal face that viewer.
    ExpectVector(FrontOf(*mesh, face), 0, 0, -1);
    ExpectVector(first.normal, 0, 0, -1);
    EXPECT_EQ(mesh->Generation(), 1u);
}

TEST(XFileLoader, PolygonsBecomeTrianglesFacingTheWayTheFileFacesThem)
{
    auto mesh = rm::MakePtr<rm::MeshBuilder3>();
    const std::string text = XFile("Mesh { 4; 0.0;0.0;0.0;, 0.0;1.0;0.0;, 1.0;1.0;0.0;, 1.0;0.0;0.0;; 1; 4;0,1,2,3;; }\n");
    ASSERT_EQ(Load(*mesh, text), D3DRM_OK);
    ASSERT_EQ(mesh->Faces().size(), 2u);
    for (const rm::MeshFace& face : mesh->Faces())
        ExpectVector(FrontOf(*mesh, face), 0, 0, -1);
}

TEST(XFileLoader, PlacesAMeshWhereItsFramesPutIt)
{
    // Outer turns x to -z and z to x and moves by 100 along x; Inner moves by (10, 20, 30).
    const std::string text = XFile(
        "Frame Outer {\n" + Matrix("0.0,0.0,-1.0,0.0, 0.0,1.0,0.0,0.0, 1.0,0.0,0.0,0.0, 100.0,0.0,0.0,1.0")
        + "  Frame Inner {\n" + Matrix("1.0,0.0,0.0,0.0, 0.0,1.0,0.0,0.0, 0.0,0.0,1.0,0.0, 10.0,20.0,30.0,1.0")
        + "    Mesh { 3; 1.0;2.0;3.0;, 1.0;3.0;3.0;, 2.0;2.0;3.0;; 1; 3;0,1,2;;\n"
          "      MeshNormals { 1; 0.0;0.0;-1.0;; 1; 3;0,0,0;; } }\n  }\n}\n");
    auto mesh = rm::MakePtr<rm::MeshBuilder3>();
    ASSERT_EQ(Load(*mesh, text), D3DRM_OK);
    ASSERT_EQ(mesh->Faces().size(), 1u);
    const rm::MeshFace& face = mesh->Faces()[0];
    // (1, 2, 3) + (10, 20, 30) = (11, 22, 33); turned: 11 · (0, 0, -1) + 22 · y + 33 · (1, 0, 0).
    ExpectVector(mesh->Vertices()[face.vertex[0]].position, 133, 22, -11);
    ExpectVector(mesh->Vertices()[face.vertex[0]].normal, -1, 0, 0); // the file's normal, turned
    ExpectVector(FrontOf(*mesh, face), -1, 0, 0);
}

TEST(XFileLoader, AMirroringFrameKeepsTheFrontFacingTheSameWay)
{
    const std::string text = XFile("Frame Mirror {\n"
                                   + Matrix("-1.0,0.0,0.0,0.0, 0.0,1.0,0.0,0.0, 0.0,0.0,1.0,0.0, 0.0,0.0,0.0,1.0")
                                   + "  Mesh { " + kTriangle + " }\n}\n");
    auto mesh = rm::MakePtr<rm::MeshBuilder3>();
    ASSERT_EQ(Load(*mesh, text), D3DRM_OK);
    ASSERT_EQ(mesh->Faces().size(), 1u);
    ExpectVector(FrontOf(*mesh, mesh->Faces()[0]), 0, 0, -1);
    ExpectVector(mesh->Vertices()[mesh->Faces()[0].vertex[0]].normal, 0, 0, -1);
}

// Body holds two meshes, the first made of two materials; Cap sits in Body, moved up by 10;
// Tail is a frame of its own. An animation set rides along as in the character files.
const std::string kCreature = XFile(
    "Material Blue { 0.0;0.0;1.0;1.0;; 0.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; }\n"
    "Frame Body {\n"
    "  Mesh Shell { 4; 0.0;0.0;0.0;, 0.0;1.0;0.0;, 1.0;0.0;0.0;, 1.0;1.0;0.0;; 2; 3;0,1,2;, 3;1,3,2;;\n"
    "    MeshMaterialList { 2; 2; 0,1;; " + Material("0.0;1.0;0.0;0.5", "shell.bmp") + " { Blue } } }\n"
    "  Mesh Belly { " + kTriangle + " MeshMaterialList { 1; 1; 0;; " + Material("1.0;1.0;0.0;1.0") + " } }\n"
    "  Frame Cap {\n" + Matrix("1.0,0.0,0.0,0.0, 0.0,1.0,0.0,0.0, 0.0,0.0,1.0,0.0, 0.0,10.0,0.0,1.0")
    + "    Mesh { 3; 5.0;0.0;0.0;, 5.0;1.0;0.0;, 6.0;0.0;0.0;; 1; 3;0,1,2;; }\n  }\n}\n"
    "Frame Tail { Mesh { 3; 7.0;0.0;0.0;, 7.0;1.0;0.0;, 8.0;0.0;0.0;; 1; 3;0,1,2;; } }\n"
    "AnimationSet Walk { Animation { { Cap }\n"
    "  AnimationKey { 0; 2; 0;4;1.0,0.0,0.0,0.0;;, 10;4;0.0,0.0,1.0,0.0;;; }\n"
    "  AnimationKey { 2; 1; 0;3;0.0,10.0,0.0;;; }\n"
    "  AnimationKey { 4; 1; 0;16;1.0,0.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,0.0,1.0;;; } } }\n");

struct PositionCase {
    std::uint32_t position;
    std::size_t faces;
    std::size_t materials;
    D3DVECTOR firstCorner;
};

class XFileLoaderPositions : public testing::TestWithParam<PositionCase> {};

TEST_P(XFileLoaderPositions, LoadsTheFilesMeshesOneByOne)
{
    const PositionCase& c = GetParam();
    auto mesh = rm::MakePtr<rm::MeshBuilder3>();
    ASSERT_EQ(Load(*mesh, kCreature, c.position), D3DRM_OK);
    ASSERT_EQ(mesh->Faces().size(), c.faces);
    EXPECT_EQ(mesh->Materials().size(), c.materials);
    ExpectVector(mesh->Vertices()[mesh->Faces()[0].vertex[0]].position, c.firstCorner.x, c.firstCorner.y,
                 c.firstCorner.z);
}

INSTANTIATE_TEST_SUITE_P(Creature, XFileLoaderPositions,
                         testing::Values(PositionCase{0, 2, 2, {0, 0, 0}}, PositionCase{1, 1, 1, {0, 0, 0}},
                                         PositionCase{2, 1, 1, {5, 10, 0}}, PositionCase{3, 1, 1, {7, 0, 0}}));

TEST(XFileLoader, PastTheLastMeshTheLoadFailsAndWithoutAPositionTheFirstLoads)
{
    auto mesh = rm::MakePtr<rm::MeshBuilder3>();
    EXPECT_EQ(Load(*mesh, kCreature, 4), D3DRMERR_BADFILE);
    const rm::D3DRMLOADMEMORY memory{kCreature.data(), static_cast<std::uint32_t>(kCreature.size())};
    ASSERT_EQ(mesh->Load(&memory, nullptr, rm::D3DRMLOAD_FROMMEMORY, nullptr, nullptr), D3DRM_OK);
    EXPECT_EQ(mesh->Faces().size(), 2u);
}

TEST(XFileLoader, MaterialsKeepTheirColours)
{
    auto mesh = rm::MakePtr<rm::MeshBuilder3>();
    ASSERT_EQ(Load(*mesh, kCreature, 0), D3DRM_OK);
    ASSERT_EQ(mesh->Materials().size(), 2u);
    const rm::MeshMaterial& green = mesh->Materials()[0];
    EXPECT_EQ(green.red, 0.0f);
    EXPECT_EQ(green.green, 1.0f);
    EXPECT_EQ(green.alpha, 0.5f);
    EXPECT_EQ(mesh->Materials()[1].blue, 1.0f); // the shared material the mesh refers to
    EXPECT_EQ(mesh->Materials()[1].red, 0.0f);
    EXPECT_EQ(mesh->Faces()[0].material, 0u);
    EXPECT_EQ(mesh->Faces()[1].material, 1u);

    // References go by name, whatever order the materials stand in.
    const std::string byName = XFile(
        "Material Blue { 0.0;0.0;1.0;1.0;; 0.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; }\n"
        "Material Red { 1.0;0.0;0.0;1.0;; 0.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; }\n"
        "Mesh { 3; 0.0;0.0;0.0;, 0.0;1.0;0.0;, 1.0;0.0;0.0;; 2; 3;0,1,2;, 3;0,2,1;;\n"
        "  MeshMaterialList { 2; 2; 0,1;; { Red } " + Material("0.0;1.0;0.0;1.0") + " } }\n");
    ASSERT_EQ(Load(*mesh, byName), D3DRM_OK);
    ASSERT_EQ(mesh->Materials().size(), 2u);
    EXPECT_EQ(mesh->Materials()[0].red, 1.0f);
    EXPECT_EQ(mesh->Materials()[0].blue, 0.0f);
    EXPECT_EQ(mesh->Materials()[1].green, 1.0f);
    EXPECT_EQ(mesh->Materials()[1].red, 0.0f);

    // A file without materials: plain white, not the importer's grey.
    ASSERT_EQ(Load(*mesh, XFile("Mesh { " + kTriangle + " }\n")), D3DRM_OK);
    ASSERT_EQ(mesh->Materials().size(), 1u);
    EXPECT_EQ(mesh->Materials()[0].red, 1.0f);
    EXPECT_EQ(mesh->Materials()[0].green, 1.0f);
    EXPECT_FALSE(mesh->Materials()[0].texture);
}

TEST(XFileLoader, TexturesComeFromTheCallbackOncePerName)
{
    const std::string text = XFile(
        "Mesh { 3; 0.0;0.0;0.0;, 0.0;1.0;0.0;, 1.0;0.0;0.0;; 3; 3;0,1,2;, 3;0,2,1;, 3;1,2,0;;\n"
        "  MeshMaterialList { 3; 3; 0,1,2;; " + Material("1.0;1.0;1.0;1.0", "skin.bmp")
        + Material("1.0;0.0;0.0;1.0", "skin.bmp") + Material("1.0;1.0;1.0;1.0", "eye.bmp") + " } }\n");
    auto mesh = rm::MakePtr<rm::MeshBuilder3>();
    TextureLoads loads;
    ASSERT_EQ(Load(*mesh, text, 0, &TextureLoads::Callback, &loads), D3DRM_OK);
    EXPECT_EQ(loads.names, (std::vector<std::string>{"skin.bmp", "eye.bmp"}));
    ASSERT_EQ(mesh->Materials().size(), 3u);
    ASSERT_TRUE(mesh->Materials()[0].texture);
    EXPECT_EQ(mesh->Materials()[0].texture, mesh->Materials()[1].texture);
    EXPECT_TRUE(mesh->Materials()[2].texture);
}

TEST(XFileLoader, AFailingTextureFailsTheLoadAndLeavesTheMeshAsItWas)
{
    auto mesh = rm::MakePtr<rm::MeshBuilder3>();
    ASSERT_EQ(Load(*mesh, kCreature, 3), D3DRM_OK);
    const std::uint32_t generation = mesh->Generation();
    TextureLoads loads;
    loads.answer = rm::D3DRMERR_NOTFOUND;
    EXPECT_EQ(Load(*mesh, kCreature, 0, &TextureLoads::Callback, &loads), rm::D3DRMERR_NOTFOUND);
    EXPECT_EQ(loads.names, (std::vector<std::string>{"shell.bmp"}));
    EXPECT_EQ(mesh->Generation(), generation);
    ASSERT_EQ(mesh->Faces().size(), 1u);
    ExpectVector(mesh->Vertices()[mesh->Faces()[0].vertex[0]].position, 7, 0, 0);
}

TEST(XFileLoader, TextureNamesThatAreNoPlainFileNamesFailTheLoadUnasked)
{
    for (const char* name : {"../skin.bmp", "/dev/zero", "paint/skin.bmp", "paint\\skin.bmp", ".."}) {
        const std::string text = XFile("Mesh { " + kTriangle + " MeshMaterialList { 1; 1; 0;; "
                                       + Material("1.0;1.0;1.0;1.0", name) + " } }\n");
        auto mesh = rm::MakePtr<rm::MeshBuilder3>();
        TextureLoads loads;
        EXPECT_EQ(Load(*mesh, text, 0, &TextureLoads::Callback, &loads), D3DRMERR_BADFILE) << name;
        EXPECT_TRUE(loads.names.empty()) << name;
        EXPECT_EQ(mesh->Generation(), 0u) << name;
    }
}

TEST(XFileLoader, ReadsAFileNamedRelativeToTheCurrentFolder)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile file(folder.filePath("model.x"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kCreature.data(), static_cast<qint64>(kCreature.size()));
    file.close();
    CurrentFolderGuard keep;
    ASSERT_TRUE(QDir::setCurrent(folder.path()));

    auto mesh = rm::MakePtr<rm::MeshBuilder3>();
    const std::uint32_t position = 2;
    EXPECT_EQ(mesh->Load("model.x", &position, rm::D3DRMLOAD_FROMFILE | rm::D3DRMLOAD_BYPOSITION, nullptr, nullptr),
              D3DRM_OK);
    EXPECT_EQ(mesh->Faces().size(), 1u);
    EXPECT_EQ(mesh->Load("missing.x", &position, rm::D3DRMLOAD_FROMFILE | rm::D3DRMLOAD_BYPOSITION, nullptr, nullptr),
              D3DRMERR_BADFILE);
    EXPECT_EQ(mesh->Load(".", nullptr, rm::D3DRMLOAD_FROMFILE, nullptr, nullptr), D3DRMERR_BADFILE);
}

TEST(XFileLoader, RefusesSourcesItCannotTake)
{
    auto mesh = rm::MakePtr<rm::MeshBuilder3>();
    const rm::D3DRMLOADMEMORY empty{kCreature.data(), 0};
    const rm::D3DRMLOADMEMORY noData{nullptr, 100};
    EXPECT_EQ(mesh->Load(&empty, nullptr, rm::D3DRMLOAD_FROMMEMORY, nullptr, nullptr), D3DRMERR_BADFILE);
    EXPECT_EQ(mesh->Load(&noData, nullptr, rm::D3DRMLOAD_FROMMEMORY, nullptr, nullptr), D3DRMERR_BADFILE);
    EXPECT_EQ(mesh->Load(nullptr, nullptr, rm::D3DRMLOAD_FROMMEMORY, nullptr, nullptr), D3DRMERR_BADVALUE);
    EXPECT_EQ(mesh->Load("model.x", nullptr, 1 /* a resource */, nullptr, nullptr), D3DRMERR_BADVALUE);
    EXPECT_EQ(mesh->Load(&empty, nullptr, rm::D3DRMLOAD_FROMMEMORY | rm::D3DRMLOAD_BYPOSITION, nullptr, nullptr),
              D3DRMERR_BADVALUE);
    EXPECT_EQ(mesh->Generation(), 0u);
}

struct BadText {
    const char* what;
    std::string text;
};

class XFileLoaderBadText : public testing::TestWithParam<BadText> {};

// Each of these either fails to parse or would have the importer read or write outside its
// arrays, allocate without bound or stop the program.
TEST_P(XFileLoaderBadText, FailsAsABadFile)
{
    auto mesh = rm::MakePtr<rm::MeshBuilder3>();
    EXPECT_EQ(Load(*mesh, GetParam().text), D3DRMERR_BADFILE);
    EXPECT_EQ(mesh->Generation(), 0u);
}

std::string Polygon(int corners)
{
    std::string text = "Mesh { 3; 0.0;0.0;0.0;, 0.0;1.0;0.0;, 1.0;0.0;0.0;; 1; " + std::to_string(corners) + ";";
    for (int i = 1; i < corners; ++i)
        text += "0,";
    return XFile(text + "0;; }");
}

std::string Nested(int depth)
{
    std::string text;
    for (int i = 0; i < depth; ++i)
        text += "Frame {\n";
    text += "Mesh { " + kTriangle + " }\n";
    for (int i = 0; i < depth; ++i)
        text += "}\n";
    return XFile(text);
}

INSTANTIATE_TEST_SUITE_P(
    Hostile, XFileLoaderBadText,
    testing::Values(
        BadText{"garbage", "these are not the models you are looking for"},
        BadText{"truncated", kCreature.substr(0, kCreature.size() / 2)},
        BadText{"binary", "xof 0302bin 0032" + std::string(64, '\0')},
        BadText{"compressed", "xof 0302tzip0032" + std::string(64, '\1')},
        BadText{"index at the vertex count", XFile("Mesh { 3; 0.0;0.0;0.0;, 0.0;1.0;0.0;, 1.0;0.0;0.0;; 1; 3;0,1,3;; }")},
        BadText{"negative index", XFile("Mesh { 3; 0.0;0.0;0.0;, 0.0;1.0;0.0;, 1.0;0.0;0.0;; 1; 3;0,1,-1;; }")},
        BadText{"face without corners", XFile("Mesh { 3; 0.0;0.0;0.0;, 0.0;1.0;0.0;, 1.0;0.0;0.0;; 2; 0;, 3;0,1,2;; }")},
        BadText{"material list without materials", XFile("Mesh { " + kTriangle + " MeshMaterialList { 0; 1; 0;; } }")},
        BadText{"material for no faces", XFile("Mesh { 0;; 0;; MeshMaterialList { 1; 1; 0;; { Any } } }")},
        BadText{"unknown material", XFile("Mesh { " + kTriangle + " MeshMaterialList { 1; 1; 0;; { Nowhere } } }")},
        BadText{"two material lists", XFile("Mesh { " + kTriangle + " MeshMaterialList { 1; 1; 0;; { A } }"
                                            " MeshMaterialList { 1; 1; 0;; { A } } }")},
        BadText{"normal index", XFile("Mesh { " + kTriangle + " MeshNormals { 1; 0.0;0.0;1.0;; 1; 3;0,0,7;; } }")},
        BadText{"skin weight vertex",
                XFile("Mesh { " + kTriangle + " SkinWeights { \"Bone\"; 1; 99999; 1.0; "
                      "1.0,0.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,0.0,1.0;; } }")},
        BadText{"huge vertex count", XFile("Mesh { 4000000000; 0.0;0.0;0.0;; }")},
        BadText{"polygon too large", Polygon(65)},
        BadText{"frames nested too deep", Nested(100)},
        BadText{"mesh beside a lone frame", XFile("Frame Alone { Mesh { " + kTriangle + " } }\nMesh { " + kTriangle + " }\n")},
        BadText{"nothing but a template", XFile("template Empty { <3D82AB43-62DA-11cf-AB39-0020AF71E433> }\n")}),
    [](const testing::TestParamInfo<BadText>& test) {
        std::string name;
        for (const char c : std::string(test.param.what))
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

} // namespace
