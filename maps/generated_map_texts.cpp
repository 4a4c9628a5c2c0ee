// Generated lines of the built-in map texts other than ParisByNight (empty until generated).
// The map generator (tools/) writes this file; a text without its lines appends nothing.
#include "maps/map_texts.h"

namespace {

struct GeneratedText {
    const char* name;
    MapTextContent content;
};

// kGeneratedMapTextContent: one entry per text, by its "[map]" line.
const GeneratedText kGeneratedMapTextContent[] = {
    {"USA", {}},      {"Europe2", {}},        {"MiddleEarth", {}},
    {"africa", {}},   {"AloneInACrowd", {}},  {"Atlantis2", {}},
    {"Atlantis", {}}, {"Doom", {}},           {"DragonWarrior", {}},
    {"e2", {}},       {"Hex_gone_crazy", {}}, {"Ireland", {}},
    {"Lines", {}},    {"Neighbourhood", {}},  {"OK83", {}},
    {"Rings", {}},    {"Romania", {}},        {"coconutz", {}},
    {"SwampII", {}},  {"JustNeedTwo", {}},    {"Russia", {}},
    {"WorldII", {}},  {"France", {}},         {"107", {}},
};

const MapTextContent kNoLines{};

}  // namespace

const MapTextContent& GeneratedMapTextContent(const BuiltinMapText& text) {
    for (const GeneratedText& entry : kGeneratedMapTextContent)
        if (text.name == entry.name) return entry.content;
    return kNoLines;
}
