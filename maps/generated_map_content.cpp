// Generated contents of the code-built maps other than World (empty until the generator runs).
// The map generator (tools/) writes this file; the set-ups refuse a map without contents.
#include "maps/map_catalogue.h"
#include "maps/map_content.h"

namespace {

struct GeneratedEntry {
    const bool* flag;
    CodeMapContent content;
};

// kGeneratedMapContent: one entry per map; the generator replaces the empty contents.
const GeneratedEntry kGeneratedMapContent[] = {
    {&g_isMapEurope, {}},        {&g_isMapNorthAmerica, {}}, {&g_isMapRealWorld, {}},
    {&g_isMapJapanKorea, {}},    {&g_isMapAustralia, {}},    {&g_isMapScandinavia, {}},
    {&g_isMapWorms, {}},         {&g_isMapChina, {}},        {&g_isMapGreatBritain, {}},
    {&g_isMapLinesII, {}},       {&g_isMapSwamp, {}},        {&g_isMapThreeNationsA, {}},
    {&g_isMapThreeNationsB, {}},
};

const CodeMapContent kNoContent{};

}  // namespace

const CodeMapContent& GeneratedMapContent(const BuiltinMap& map) {
    for (const GeneratedEntry& entry : kGeneratedMapContent)
        if (entry.flag == map.flag) return entry.content;
    return kNoContent;
}
