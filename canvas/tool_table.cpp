#include "canvas/tool_table.h"

#include <array>

namespace {

using ToolRows = std::array<ToolRow, kLastToolState + 1>;

ToolRows GatherRows() {
    ToolRows rows{};
    for (auto kind : {BrushRows, ShapeRows, OneClickRows, GeometryPenRows, MirrorPenRows, PolygonRows, RegionRows})
        for (const ToolRow& row : kind()) rows[row.state] = row;
    return rows;
}

}  // namespace

const ToolRow& ToolRowFor(ToolState state) {
    static const ToolRows rows = GatherRows();
    return rows[state];
}
