// Open's steps after a file was accepted: which kind of game the file holds, its map, the
// restore, the question whether to continue, and a host's resume of a network game.
#pragma once

#include <string>

#include "setup/saved_game.h"

class CChildView;

namespace saved_game {

enum class Source { kBuiltinMap, kBuiltinCampaign, kMapFile, kOwnCampaign };
struct FileKind {
    bool networkResume = false;  // "LAN_" or "INT_": this machine hosts the game again
    bool internet = false;       // "INT_"
    Source source = Source::kBuiltinMap;
    bool operator==(const FileKind&) const = default;
};

// The kind of game a file holds, from its name (without folder) and its record.
FileKind KindOfFileName(const std::string& name, const Record& record);

// The network resume's status line: LAN shows the host's name, Internet its address.
std::string WaitingText(bool internet, const std::string& hostName, const std::string& address);

// Replaces the running game with the accepted record read from `path`.
void OpenAccepted(CChildView& view, const std::string& path, const Bytes& bytes,
                  const Record& record);

}  // namespace saved_game
