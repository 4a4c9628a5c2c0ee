// The high-score code of a high-score game: the map and the losses scrambled with two
// substitution alphabets and a salt, and the decoding the name dialog offers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace high_score {

// A name typed with this beginning is a code to decode, not a name.
inline constexpr char kMarker[] = "#HS";
// The longest code after the marker that the name dialog decodes.
inline constexpr std::size_t kMaxCodeLength = 21;
inline constexpr std::int32_t kMaxLosses = 99999;

// The numbers that name what a high-score game was played on, beside the maps' own (their places
// in the catalogue, and their freeware scores).
inline constexpr std::int32_t kFirstCampaign = 41;  // built-in campaigns 1..5: 41..45
inline constexpr std::int32_t kCampaignFile = 46;
inline constexpr std::int32_t kMapFile = 47;

struct Result {
    std::int32_t map = 0;
    std::int32_t losses = 0;
    bool operator==(const Result&) const = default;
};

// The code, e.g. "QH7-WKP-3TZ": `salt` (any number; its last digit is used) varies the code of
// equal results. Losses beyond kMaxLosses are stored as kMaxLosses; a map number is 0..99.
std::string Encode(const Result& result, std::int32_t salt);
// The result of a code; nullopt for text that is no code of ours (unknown characters, wrong
// length, a failing check digit). Separators and blanks are skipped, letters in any case.
std::optional<Result> Decode(const std::string& code);

// The number of the game being played (map flags, campaign, players), and its title.
std::int32_t CurrentMapNumber();
std::string MapTitle(std::int32_t number);

// What the name dialog shows for a typed code (the text after the marker): the decoded digits
// grouped with "-" and, after two blanks, the map or campaign; or the refusal.
std::string DescribeCode(const std::string& code);
inline constexpr char kInvalidCodeText[] = "This is not a valid high-score code.";

}  // namespace high_score
