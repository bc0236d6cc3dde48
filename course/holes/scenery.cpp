#include "course/holes/scenery.h"

#include <string>

namespace {

SceneryItem item(const char* model, const char* texture, const char* normal, const Placement& place,
                 SceneryLook look = SceneryLook::Normal)
{
    return SceneryItem{model, texture, normal, look, place};
}

}  // namespace

Placement placed(float scale, float x, float y, float z, float yaw)
{
    Placement p;
    p.scale[0] = p.scale[1] = p.scale[2] = scale;
    p.position[0] = x;
    p.position[1] = y;
    p.position[2] = z;
    p.rotation[1] = yaw;
    return p;
}

Placement placed3(const float scale[3], const float position[3], const float rotation[3])
{
    Placement p;
    for (int i = 0; i < 3; ++i) {
        p.scale[i] = scale[i];
        p.position[i] = position[i];
        p.rotation[i] = rotation[i];
    }
    return p;
}

SceneryItem windmillBase(const Placement& p) { return item("windmill_base.b3d", "windmill.jpg", "windmillnormal.jpg", p); }
SceneryItem windmillBlades(const Placement& p)
{
    return item("windmill_blades.3ds", "windmill.jpg", "windmillnormal.jpg", p, SceneryLook::WindmillBlades);
}
SceneryItem brokenWindmill(const Placement& p) { return item("windmill_broken.3ds", "windmill.jpg", "windmillnormal.jpg", p); }
SceneryItem outhouse(const Placement& p) { return item("outhouse.b3d", "outhouse.jpg", "outhousenormal.jpg", p); }
SceneryItem house(const Placement& p) { return item("house1.b3d", "saloon1.jpg", "saloonnormal.jpg", p); }
SceneryItem houseGlass(const Placement& p, const char* model) { return item(model, "glass.jpg", "glassnormal.jpg", p); }
SceneryItem horsePost(const Placement& p) { return item("horsePost.b3d", "fence.jpg", "fencenormal.jpg", p); }
SceneryItem townSign(const Placement& p) { return item("townsign.b3d", "townsign.jpg", "fencenormal.jpg", p); }
SceneryItem saloon(const char* model, const Placement& p) { return item(model, "saloon.jpg", "saloonnormal.jpg", p); }
SceneryItem saloonGlass(const Placement& p) { return item("saloonGlass.3ds", "glass.jpg", "glassnormal.jpg", p); }
// The mills whose name holds a "1" are the painted ones (mill1.jpg).
SceneryItem mineMill(const char* model, const Placement& p)
{
    const bool painted = std::string(model).find('1') != std::string::npos;
    return item(model, painted ? "mill1.jpg" : "mill.jpg", "millnormal.jpg", p);
}
SceneryItem mineMillGlass(const Placement& p) { return item("minemill_glass.b3d", "glass.jpg", "glassnormal.jpg", p); }

SceneryItem prop(int32_t hole, Prop kind)
{
    struct Row { Prop kind; const char* name; const char* texture; const char* normal; SceneryLook look; };
    static const Row kProps[] = {
        {Prop::Barrels, "barrels", "barrel.jpg", "barrelnormal.jpg", SceneryLook::Normal},
        {Prop::Box, "box", "box.jpg", "boxnormal.jpg", SceneryLook::Normal},
        {Prop::Longhorn, "longhorn", "longhorn_skull.jpg", "longhorn_skullnormal.jpg", SceneryLook::Normal},
        {Prop::WagonWheels, "wagonwheels", "wheel.jpg", "wheelnormal.jpg", SceneryLook::Normal},
        {Prop::Cactus, "cactus", "cactus.jpg", "cactusnormal.jpg", SceneryLook::Bump},
        {Prop::Brush, "brush", "brush_1.png", "", SceneryLook::Brush},
        {Prop::Fence, "fence", "fence.jpg", "fencenormal.jpg", SceneryLook::Normal},
        {Prop::MineCart, "minecart", "minecart.jpg", "minecartnormal.jpg", SceneryLook::Normal},
        {Prop::Wagon, "wagon", "wagon.jpg", "wagonnormal.jpg", SceneryLook::Normal},
        {Prop::Train, "train", "train.jpg", "trainnormal.jpg", SceneryLook::Normal},
        {Prop::WaterContainer, "watercontainer", "pipes.jpg", "pipesnormal.jpg", SceneryLook::Normal},
    };
    const int32_t n = hole < 0 ? 0 : hole;
    for (const Row& row : kProps)
        if (row.kind == kind)
            return SceneryItem{"hole_" + std::to_string(n) + "_" + row.name + ".b3d", row.texture, row.normal, row.look, {}};
    return {};
}

SceneryItem waterContainer(const char* model) { return item(model, "pipes.jpg", "pipesnormal.jpg", Placement{}); }
