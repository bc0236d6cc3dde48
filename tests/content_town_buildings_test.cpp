// The town's saloons, mine mills and broken windmill load the way the hole builder
// places them: standing on their origin, inside the footprints the holes lay plots
// for, turned the right way out, within the triangle budget, their texture
// coordinates inside one region of their atlas, and their glass on their windows.
#include <gtest/gtest.h>

#include <irrlicht.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "content/model/engine_load.h"
#include "course/holes/scenery.h"

using namespace irr;

namespace {

constexpr u32 kBuildingTriangleBudget = 3000;  // a building, for 60 frames a second on software GL
constexpr f32 kGround = 0.02f;                 // how far the lowest point may sit off its ground
constexpr f32 kFootprintSlack = 0.05f;         // model units
constexpr u32 kLargestTexture = 1024;

std::string contents(const std::string& relative) { return std::string(TALLOWICK_RUN_DIR) + "/Contents/" + relative; }

std::vector<char> fileBytes(const std::string& relative)
{
    std::ifstream in(contents(relative), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Building {
    const char* model;
    core::aabbox3df footprint;  // model units, as the model's file comment gives it to the holes
    f32 scale;                  // the intended scale
    f32 minWidth, maxWidth;     // world units across x at that scale
    bool reflected;             // held point-reflected for a placement at scale -scale
    const std::vector<int>* bands;  // pixel rows where the atlas's regions start and end
    int atlasHeight;
};

const std::vector<int> kTownAtlasBands{0, 256, 512, 640, 768, 1024};  // saloon.jpg, mill.jpg
const std::vector<int> kWindmillBands{0, 128, 256, 384, 512};

const Building kBuildings[] = {
    {"saloon.b3d", {-2.55f, 0, -3.6f, 2.55f, 4.6f, 2.8f}, 3, 12, 16, false, &kTownAtlasBands, 1024},
    {"saloon2.b3d", {-2.55f, 0, -3.6f, 2.55f, 4.6f, 3.8f}, 3, 12, 16, false, &kTownAtlasBands, 1024},
    {"saloon3.b3d", {-2.2f, 0, -2.9f, 2.2f, 4.2f, 2.8f}, 3, 12, 16, false, &kTownAtlasBands, 1024},
    {"minemill.b3d", {-4.3f, 0, -4.5f, 4.3f, 9, 4.5f}, 2, 14, 18, false, &kTownAtlasBands, 1024},
    {"minemill1.b3d", {-4.3f, 0, -4.5f, 4.3f, 9, 4.5f}, 2, 14, 18, false, &kTownAtlasBands, 1024},
    {"mineMill1.b3d", {-4.3f, 0, -4.5f, 4.3f, 9, 4.5f}, 2, 14, 18, false, &kTownAtlasBands, 1024},
    {"minemill2.b3d", {-4.3f, 0, -4.5f, 4.3f, 9, 4.5f}, 2, 14, 18, false, &kTownAtlasBands, 1024},
    {"mineMill2.b3d", {-4.3f, 0, -4.5f, 4.3f, 9, 4.5f}, 2, 14, 18, false, &kTownAtlasBands, 1024},
    // As it stands after the hole's point reflection: feet 2 below the hub.
    {"windmill_broken.3ds", {-1.15f, -2, -1.1f, 1.55f, -0.2f, 1.1f}, 8, 12, 24, true, &kWindmillBands, 512},
};

const char* const kMills[] = {"minemill.b3d", "minemill1.b3d", "mineMill1.b3d", "minemill2.b3d", "mineMill2.b3d"};

struct Triangle {
    core::vector3df a, b, c;
    core::vector3df normals[3];
    core::vector2df uv[3];
    core::vector3df faceNormal() const { return (b - a).crossProduct(c - a); }
};

class TownBuildings : public testing::Test {
protected:
    // Fresh loads: the engine's mesh cache ignores letter case, and would answer
    // mineMill1.b3d with minemill1.b3d.
    scene::IMesh* load(const std::string& model)
    {
        scene::IAnimatedMesh* mesh = loader.loadFile(contents("Models/" + model));
        return mesh ? mesh->getMesh(0) : nullptr;
    }

    video::IImage* image(const std::string& texture)
    {
        return loader.device()->getVideoDriver()->createImageFromFile(contents("Textures/" + texture).c_str());
    }

    // Every triangle as the engine shows it (for a reflected model, after the reflection,
    // which keeps the stored winding and negates the normals through the inverse transpose).
    std::vector<Triangle> triangles(const std::string& model, bool reflect = false)
    {
        std::vector<Triangle> out;
        scene::IMesh* mesh = load(model);
        if (!mesh) return out;
        const f32 sign = reflect ? -1.0f : 1.0f;
        for (u32 b = 0; b < mesh->getMeshBufferCount(); ++b) {
            scene::IMeshBuffer* buffer = mesh->getMeshBuffer(b);
            const auto* v = static_cast<const video::S3DVertex*>(buffer->getVertices());
            const u16* index = buffer->getIndices();
            for (u32 i = 0; i + 2 < buffer->getIndexCount(); i += 3) {
                Triangle t;
                core::vector3df* corners[3] = {&t.a, &t.b, &t.c};
                for (int k = 0; k < 3; ++k) {
                    const video::S3DVertex& vertex = v[index[i + k]];
                    *corners[k] = vertex.Pos * sign;
                    t.normals[k] = vertex.Normal * sign;
                    t.uv[k] = vertex.TCoords;
                }
                out.push_back(t);
            }
        }
        return out;
    }

    static core::aabbox3df bounds(const std::vector<Triangle>& triangles)
    {
        core::aabbox3df box(triangles.at(0).a);
        for (const Triangle& t : triangles) {
            box.addInternalPoint(t.a);
            box.addInternalPoint(t.b);
            box.addInternalPoint(t.c);
        }
        return box;
    }

    // Six times the volume enclosed, counted positive for faces wound outward.
    static f64 signedVolume(const std::vector<Triangle>& triangles)
    {
        f64 volume = 0;
        for (const Triangle& t : triangles) volume += t.a.dotProduct(t.b.crossProduct(t.c));
        return volume;
    }

    // The normals' flow out of the model's middle, weighted by area: positive when they point out.
    static f64 outwardFlux(const std::vector<Triangle>& triangles)
    {
        const core::vector3df middle = bounds(triangles).getCenter();
        f64 flux = 0;
        for (const Triangle& t : triangles) {
            const core::vector3df centre = (t.a + t.b + t.c) / 3.0f;
            core::vector3df normal = t.normals[0] + t.normals[1] + t.normals[2];
            flux += f64(t.faceNormal().getLength()) * f64((centre - middle).dotProduct(normal.normalize()));
        }
        return flux;
    }

    EngineLoader loader;
};

}  // namespace

TEST_F(TownBuildings, EachLoadsWithTheCollisionLayoutAndWithinTheTriangleBudget)
{
    for (const Building& building : kBuildings) {
        scene::IMesh* mesh = load(building.model);
        ASSERT_NE(mesh, nullptr) << building.model << " does not load: run the content tool";
        u32 count = 0;
        for (u32 b = 0; b < mesh->getMeshBufferCount(); ++b) {
            scene::IMeshBuffer* buffer = mesh->getMeshBuffer(b);
            EXPECT_EQ(buffer->getVertexType(), video::EVT_STANDARD) << building.model;
            EXPECT_EQ(buffer->getIndexType(), video::EIT_16BIT) << building.model;
            count += buffer->getIndexCount() / 3;
        }
        EXPECT_EQ(mesh->getMeshBufferCount(), 1u) << building.model << ": the builder lights only the first material";
        EXPECT_GT(count, 100u) << building.model;
        EXPECT_LE(count, kBuildingTriangleBudget) << building.model;
    }
}

TEST_F(TownBuildings, EachStandsOnItsGroundInsideItsFootprint)
{
    for (const Building& building : kBuildings) {
        const std::vector<Triangle> shown = triangles(building.model, building.reflected);
        ASSERT_FALSE(shown.empty()) << building.model;
        const core::aabbox3df box = bounds(shown);
        const core::aabbox3df& plot = building.footprint;
        EXPECT_NEAR(box.MinEdge.Y, plot.MinEdge.Y, kGround) << building.model << " does not stand on its ground";
        EXPECT_GE(box.MinEdge.X, plot.MinEdge.X - kFootprintSlack) << building.model;
        EXPECT_GE(box.MinEdge.Z, plot.MinEdge.Z - kFootprintSlack) << building.model;
        EXPECT_LE(box.MaxEdge.X, plot.MaxEdge.X + kFootprintSlack) << building.model;
        EXPECT_LE(box.MaxEdge.Y, plot.MaxEdge.Y + kFootprintSlack) << building.model;
        EXPECT_LE(box.MaxEdge.Z, plot.MaxEdge.Z + kFootprintSlack) << building.model;
        const f32 width = box.getExtent().X * building.scale;
        EXPECT_GE(width, building.minWidth) << building.model << " at scale " << building.scale;
        EXPECT_LE(width, building.maxWidth) << building.model << " at scale " << building.scale;
    }
}

// A point-reflected placement turns the normals with the shape (the engine lights with
// the inverse transpose of the node's matrix), so a file meant for one holds a proper mesh
// of the mirror image: its faces point out of it as stored, and its normals point out
// of the shape as shown. (Turned inside out, it would be lit from behind.)
TEST_F(TownBuildings, FacesPointOutAndNormalsPointOutAsTheHoleShowsThem)
{
    for (const Building& building : kBuildings) {
        const std::vector<Triangle> stored = triangles(building.model);
        ASSERT_FALSE(stored.empty()) << building.model;
        EXPECT_GT(signedVolume(stored), 0.0) << building.model << " is stored inside out";
        size_t disagreeing = 0;
        for (const Triangle& t : stored) {
            const core::vector3df n = t.faceNormal();
            for (const core::vector3df& vertexNormal : t.normals)
                if (n.dotProduct(vertexNormal) < 0) {
                    ++disagreeing;
                    break;
                }
        }
        EXPECT_LE(disagreeing, stored.size() / 100) << building.model << ": normals against the winding";
        const std::vector<Triangle> shown = triangles(building.model, building.reflected);
        EXPECT_GT(outwardFlux(shown), 0.0) << building.model << " is lit from inside as the hole shows it";
    }
}

TEST_F(TownBuildings, EveryTriangleTakesItsTextureFromOneRegionOfTheAtlas)
{
    for (const Building& building : kBuildings) {
        const std::vector<Triangle> stored = triangles(building.model);
        ASSERT_FALSE(stored.empty()) << building.model;
        size_t straddling = 0;
        for (const Triangle& t : stored) {
            f32 low = 2, high = -1;
            for (const core::vector2df& uv : t.uv) {
                low = std::min(low, uv.Y);
                high = std::max(high, uv.Y);
            }
            ASSERT_GE(low, 0.0f) << building.model;
            ASSERT_LE(high, 1.0f) << building.model;
            const f32 top = low * f32(building.atlasHeight), bottom = high * f32(building.atlasHeight);
            const auto band = std::upper_bound(building.bands->begin(), building.bands->end(), int(top));
            if (band == building.bands->end() || bottom > f32(*band)) ++straddling;
        }
        EXPECT_EQ(straddling, 0u) << building.model;
    }
}

TEST_F(TownBuildings, GlassPanesLieOnTheWindowsOfEveryBuildingTheyArePlacedWith)
{
    struct Fit {
        const char* glass;
        std::vector<const char*> hosts;
    };
    const Fit fits[] = {
        {"saloonGlass.3ds", {"saloon.b3d", "saloon2.b3d"}},
        {"minemill_glass.b3d", {std::begin(kMills), std::end(kMills)}},
    };
    for (const Fit& fit : fits) {
        const std::vector<Triangle> panes = triangles(fit.glass);
        ASSERT_GE(panes.size(), 40u) << fit.glass;
        for (const char* host : fit.hosts) {
            const std::vector<Triangle> walls = triangles(host);
            size_t floating = 0;
            for (const Triangle& pane : panes) {
                const core::vector3df centre = (pane.a + pane.b + pane.c) / 3.0f;
                const core::vector3df n = pane.faceNormal().normalize();
                bool backed = false;
                for (const Triangle& wall : walls) {
                    core::vector3df w = wall.faceNormal();
                    if (w.getLength() < 1e-8f || w.normalize().dotProduct(n) < 0.99f) continue;
                    const f32 gap = (centre - wall.a).dotProduct(w);
                    if (gap < 0 || gap > 0.05f) continue;  // the pane stands just in front of its frame
                    const core::triangle3df onWall(wall.a, wall.b, wall.c);
                    if (onWall.isPointInside(centre - w * gap)) {
                        backed = true;
                        break;
                    }
                }
                if (!backed) ++floating;
            }
            EXPECT_EQ(floating, 0u) << fit.glass << " on " << host;
        }
    }
}

TEST_F(TownBuildings, TheMillVariantsAreDistinctFiles)
{
    for (size_t i = 0; i < std::size(kMills); ++i)
        for (size_t j = i + 1; j < std::size(kMills); ++j)
            EXPECT_NE(fileBytes(std::string("Models/") + kMills[i]), fileBytes(std::string("Models/") + kMills[j]))
                << kMills[i] << " and " << kMills[j];
}

TEST_F(TownBuildings, TheHouseGlassIsTheSameUnderHoleFivesName)
{
    const std::vector<char> glass = fileBytes("Models/house_glass.b3d");
    ASSERT_FALSE(glass.empty());
    EXPECT_EQ(fileBytes("Models/house_Glass.b3d"), glass);
}

TEST_F(TownBuildings, TheCatalogueNamesTexturesThatExistAtAtlasSizes)
{
    const Placement here = placed(1, 0, 0, 0);
    std::vector<SceneryItem> items{saloon("saloon.b3d", here), saloon("saloon2.b3d", here), saloon("saloon3.b3d", here),
                                   saloonGlass(here), mineMillGlass(here), brokenWindmill(here),
                                   houseGlass(here, "house_Glass.b3d")};
    for (const char* mill : kMills) items.push_back(mineMill(mill, here));
    for (const SceneryItem& item : items) {
        EXPECT_NE(load(item.model), nullptr) << item.model;
        for (const std::string& texture : {item.texture, item.normal}) {
            video::IImage* picture = image(texture);
            ASSERT_NE(picture, nullptr) << texture << " for " << item.model;
            EXPECT_LE(picture->getDimension().Width, kLargestTexture) << texture;
            EXPECT_LE(picture->getDimension().Height, kLargestTexture) << texture;
            picture->drop();
        }
    }
    EXPECT_EQ(mineMill("minemill1.b3d", here).texture, "mill1.jpg");
    EXPECT_EQ(mineMill("mineMill2.b3d", here).texture, "mill.jpg");
}

TEST_F(TownBuildings, TexturesSharingANormalTextureShareItsSize)
{
    const char* const groups[][3] = {{"saloon.jpg", "saloon1.jpg", "saloonnormal.jpg"},
                                     {"mill.jpg", "mill1.jpg", "millnormal.jpg"}};
    for (const auto& group : groups) {
        core::dimension2du size;
        for (const char* file : group) {
            video::IImage* picture = image(file);
            ASSERT_NE(picture, nullptr) << file;
            if (size.Width == 0) size = picture->getDimension();
            EXPECT_EQ(picture->getDimension(), size) << file << " beside " << group[0];
            picture->drop();
        }
    }
    video::IImage* roof = image("top2.jpg");
    ASSERT_NE(roof, nullptr) << "top2.jpg";
    roof->drop();
}

namespace {

// The mean brightness of each column (or row) of a rectangle of a picture.
std::vector<f64> brightnessProfile(video::IImage* image, const core::recti& area, bool columns)
{
    std::vector<f64> profile(size_t(columns ? area.getWidth() : area.getHeight()), 0.0);
    for (s32 y = area.UpperLeftCorner.Y; y < area.LowerRightCorner.Y; ++y)
        for (s32 x = area.UpperLeftCorner.X; x < area.LowerRightCorner.X; ++x) {
            const video::SColor c = image->getPixel(u32(x), u32(y));
            const size_t k = size_t(columns ? x - area.UpperLeftCorner.X : y - area.UpperLeftCorner.Y);
            profile[k] += 0.3 * c.getRed() + 0.59 * c.getGreen() + 0.11 * c.getBlue();
        }
    return profile;
}

f64 correlation(const std::vector<f64>& a, const std::vector<f64>& b)
{
    const f64 n = f64(a.size());
    f64 ma = 0, mb = 0;
    for (size_t i = 0; i < a.size(); ++i) ma += a[i] / n, mb += b[i] / n;
    f64 ab = 0, aa = 0, bb = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        ab += (a[i] - ma) * (b[i] - mb);
        aa += (a[i] - ma) * (a[i] - ma);
        bb += (b[i] - mb) * (b[i] - mb);
    }
    return ab / std::sqrt(aa * bb);
}

}  // namespace

// Two colour textures lit with one normal texture must keep their boards, gaps and
// courses in the same places, or the relief would fall between the painted boards.
TEST_F(TownBuildings, PaintingsSharingANormalTextureKeepItsBoardsInPlace)
{
    struct Relief {
        const char* texture;
        const char* sharesWith;
        core::recti area;  // pixels
        bool columns;      // the boards run down (compare columns) or along (compare rows)
    };
    const Relief reliefs[] = {
        {"saloon.jpg", "saloon1.jpg", {0, 0, 1024, 256}, true},      // the siding's boards and battens
        {"saloon.jpg", "saloon1.jpg", {0, 256, 1024, 512}, false},   // the shingles' courses
        {"saloon.jpg", "saloon1.jpg", {0, 640, 1024, 768}, false},   // the boardwalk's planks
        {"mill1.jpg", "mill.jpg", {0, 0, 1024, 256}, true},          // the boards and battens
        {"mill1.jpg", "mill.jpg", {0, 256, 1024, 512}, true},        // the tin's corrugations
        {"mill1.jpg", "mill.jpg", {0, 640, 1024, 768}, false},       // the footings' courses
    };
    constexpr f64 kLinedUp = 0.65;  // lined up they reach 0.75 and more; shifted by a quarter board, below 0.5
    for (const Relief& relief : reliefs) {
        video::IImage* painted = image(relief.texture);
        video::IImage* original = image(relief.sharesWith);
        ASSERT_NE(painted, nullptr) << relief.texture;
        ASSERT_NE(original, nullptr) << relief.sharesWith;
        const f64 r = correlation(brightnessProfile(painted, relief.area, relief.columns),
                                  brightnessProfile(original, relief.area, relief.columns));
        EXPECT_GT(r, kLinedUp) << relief.texture << " against " << relief.sharesWith << " at rows "
                               << relief.area.UpperLeftCorner.Y << ".." << relief.area.LowerRightCorner.Y;
        painted->drop();
        original->drop();
    }
}
