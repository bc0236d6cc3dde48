#include "content/town/props.h"

#include "content/model/shapes.h"
#include "content/output.h"

namespace town {

const char* propFileName(PropKind kind)
{
    switch (kind) {
    case PropKind::Barrels: return "barrels";
    case PropKind::Box: return "box";
    case PropKind::Longhorn: return "longhorn";
    case PropKind::WagonWheels: return "wagonwheels";
    case PropKind::Cactus: return "cactus";
    case PropKind::Brush: return "brush";
    case PropKind::MineCart: return "minecart";
    case PropKind::WaterContainer: return "watercontainer";
    }
    return "";
}

model::Mesh propModel(PropKind, int) { return model::box({-0.5f, 0, -0.5f}, {0.5f, 1, 0.5f}); }
model::Mesh propWater(PropKind, int) { return {}; }
void writePropTextures(ContentOutput&) {}

}  // namespace town
