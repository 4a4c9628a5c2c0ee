// Storage of the attack-route table.
#include "core/model/route_table.h"

namespace {
constexpr std::int32_t kUsableRouteRecords = 10000;
}  // namespace

std::array<RouteRecord, kRouteTableRecords> g_routeTable{};
std::int32_t g_routeTableCapacity = kUsableRouteRecords;

namespace {
std::uint32_t g_routeTableGeneration = 0;
}  // namespace

void NoteRouteTableRewritten() {
    ++g_routeTableGeneration;
}

std::uint32_t RouteTableGeneration() {
    return g_routeTableGeneration;
}

void ClearRouteTable() {
    NoteRouteTableRewritten();
    for (int r = 1; r <= g_routeTableCapacity && r < kRouteTableRecords; ++r)
        for (int k = 1; k <= kRouteLength; ++k) g_routeTable[r][k] = 0;
}

void ResetRouteTable() {
    g_routeTable.fill({});
    NoteRouteTableRewritten();
    g_routeTableCapacity = kUsableRouteRecords;
}
