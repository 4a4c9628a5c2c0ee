// The attack routes of the current map: chains of territories the computer player follows.
#pragma once

#include <array>
#include <cstdint>

// Entries [1..16] hold a chain of territory numbers ended by 0; [0] stays 0.
inline constexpr int kRouteLength = 16;
using RouteRecord = std::array<std::int32_t, kRouteLength + 1>;

// Records 1..g_routeTableCapacity are usable; the table has one spare slot beyond them.
inline constexpr int kRouteTableRecords = 10002;

extern std::array<RouteRecord, kRouteTableRecords> g_routeTable;
extern std::int32_t g_routeTableCapacity;

// Rows are added by appending (raising g_routeCount); whoever rewrites rows already in use calls
// NoteRouteTableRewritten so that indexes over the table start again.
void NoteRouteTableRewritten();
std::uint32_t RouteTableGeneration();

// Zeroes the chain of every usable record (every map set-up starts from an empty table).
void ClearRouteTable();
// Every record zeroed, the whole table usable again, as at program start.
void ResetRouteTable();
