// The trade options of a hand: which sets it makes, their texts, and the texts read back.
#include <cstdio>
#include <cstring>

#include "core/cards/card_windows.h"
#include "core/cards/cards.h"
#include "core/child_view.h"
#include "core/model/session_state.h"

namespace {

enum Kind { kArtillery, kInfantry, kCavalry, kWild, kKinds };
constexpr char kLetters[kKinds + 1] = "aicw";

// One part of a set: `count` cards of one kind; a part of count 0 is unset.
struct Part {
    int kind = kArtillery;
    std::int32_t count = 0;
    bool IsSet() const { return count > 0; }
};

Part Of(int kind, std::int32_t count) {
    return Part{kind, count};
}

CardSet SetOf(std::initializer_list<Part> parts) {
    std::array<std::int32_t, kKinds> counts{};
    for (const Part& part : parts) counts[part.kind] += part.count;
    CardSet set{counts[kArtillery], counts[kInfantry], counts[kCavalry], counts[kWild], 0};
    set.armies = CardSetValue(set.artillery, set.infantry, set.cavalry, set.wild);
    return set;
}

// Collects the options in order; sets worth nothing never become options.
class Options {
  public:
    void Add(std::initializer_list<Part> parts) {
        const CardSet set = SetOf(parts);
        if (set.armies > 0 && list_.size() < kMaxCardSetOptions) list_.push_back(set);
    }
    std::vector<CardSet> Take() { return std::move(list_); }

  private:
    std::vector<CardSet> list_;
};

// The hand as the rules below read it.
struct Hand {
    std::array<std::int32_t, 3> single{};  // artillery, infantry, cavalry
    std::int32_t wild = 0;
    std::int32_t total = 0;
};

// A single card with one or two wild cards, the single card being the last kind held.
bool AddSingleWithWilds(const Hand& h, Options& out) {
    const auto& s = h.single;
    const bool heldOnce = s[kArtillery] == 1 || s[kInfantry] == 1 || s[kCavalry] == 1;
    const bool fewCards = (h.total == 2 && h.wild == 1) || (h.total == 3 && h.wild == 2);
    const bool oneOfEach = h.total == 5 && h.wild == 2 && s[0] == 1 && s[1] == 1 && s[2] == 1;
    if (!((fewCards && heldOnce) || oneOfEach)) return false;
    Part p0;
    for (int k = kArtillery; k <= kCavalry; ++k) {
        if (s[k] > 0) p0 = Of(k, s[k]);
    }
    out.Add({p0, Of(kWild, h.wild)});
    if (h.wild == 2) out.Add({Of(p0.kind, 1), Of(kWild, 1)});
    return true;
}

// No kind held twice: the first kind held goes with the wild cards.
void AddSinglesWithWilds(const Hand& h, Options& out) {
    Part p0;
    for (int k = kCavalry; k >= kArtillery; --k) {
        if (h.single[k] > 0) p0 = Of(k, h.single[k]);
    }
    // Two wild cards alone (or, outside the rules, no single card to go with them).
    if (h.wild == 2 && (h.total == 2 || !p0.IsSet())) {
        out.Add({Of(kWild, 2)});
    } else if (h.wild == 2) {
        out.Add({Of(p0.kind, 1), Of(kWild, 2)});
        out.Add({p0, Of(kWild, 1)});
    } else {
        out.Add({p0, Of(kWild, h.wild)});
    }
}

// One kind x held k >= 2 times together with w wild cards.
void AddKindWithWilds(const Hand& h, const Part& p0, Options& out) {
    const int x = p0.kind;
    const std::int32_t k = p0.count;
    const std::int32_t w = h.wild;
    out.Add({p0, Of(kWild, w)});
    out.Add({p0});
    if (w == 2) {
        out.Add({Of(x, 2), Of(kWild, 1)});
        out.Add({Of(x, 1), Of(kWild, 1)});
    } else if (k == 2) {
        out.Add({Of(x, 1), Of(kWild, 1)});
    } else if (k == 3) {
        out.Add({Of(x, 2), Of(kWild, 1)});
        out.Add({Of(x, 2)});
        out.Add({Of(x, 1), Of(kWild, 1)});
        if (h.total == 5) {
            int y = -1;
            for (int kind = kArtillery; kind <= kCavalry; ++kind) {
                if (h.single[kind] == 1) y = kind;
            }
            if (y >= 0) out.Add({Of(y, 1), Of(kWild, 1)});
        }
    } else if (k == 4) {
        out.Add({Of(x, 3)});
        out.Add({Of(x, 2)});
        out.Add({Of(x, 3), Of(kWild, 1)});
        out.Add({Of(x, 2), Of(kWild, 1)});
    }
}

// One kind held k >= 2 times and nothing else that counts: k, k - 1, ... 2 of it.
void AddKindAlone(const Part& p0, Options& out) {
    for (std::int32_t k = p0.count; k >= 2; --k) out.Add({Of(p0.kind, k)});
}

// The kinds held at least twice, in order.
std::array<Part, 2> PairsOf(const Hand& h) {
    std::array<Part, 2> pairs{};
    std::size_t found = 0;
    for (int k = kArtillery; k <= kCavalry && found < pairs.size(); ++k) {
        if (h.single[k] >= 2) pairs[found++] = Of(k, h.single[k]);
    }
    return pairs;
}

// Reads at most `width` characters from `from` as a decimal number: leading blanks skipped,
// anything else ends it, nothing read gives 0.
std::int32_t ReadDecimal(const std::string& text, std::size_t from, std::size_t width) {
    if (from >= text.size()) return 0;
    const std::string field = text.substr(from, width);
    std::size_t i = 0;
    while (i < field.size() && field[i] == ' ') ++i;
    std::int32_t value = 0;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) {
        value = value * 10 + (field[i] - '0');
    }
    return value;
}

}  // namespace

std::int32_t CardSetValue(std::int32_t artillery, std::int32_t infantry, std::int32_t cavalry,
                          std::int32_t wild) {
    const std::int32_t cards = artillery + infantry + cavalry + wild;
    std::int32_t kinds = (artillery > 0) + (infantry > 0) + (cavalry > 0);
    if (kinds == 0 && wild > 0) kinds = 1;
    return cards > kinds ? 5 * (cards - kinds) : 0;
}

std::vector<CardSet> CardSetOptionsOf(std::int32_t artillery, std::int32_t infantry,
                                      std::int32_t cavalry, std::int32_t wild, std::int32_t total) {
    const Hand h{{artillery, infantry, cavalry}, wild, total};
    Options out;
    if (AddSingleWithWilds(h, out)) return out.Take();
    const auto [p0, p1] = PairsOf(h);
    if (h.wild > 0 && !p0.IsSet()) {
        AddSinglesWithWilds(h, out);
    } else if (p1.IsSet() && h.wild > 0) {
        const Part p2 = Of(kWild, h.wild);
        out.Add({p0, p1, p2});
        out.Add({p0, p1});
        out.Add({p0});
        out.Add({p1});
        out.Add({p0, p2});
        out.Add({p1, p2});
    } else if (p1.IsSet()) {
        out.Add({p0, p1});
        out.Add({p0});
        out.Add({p1});
    } else if (p0.IsSet() && h.wild > 0) {
        AddKindWithWilds(h, p0, out);
    } else if (p0.IsSet()) {
        AddKindAlone(p0, out);
    }
    return out.Take();
}

std::string FormatCardSetOption(const CardSet& set) {
    const std::array<std::int32_t, kKinds> counts{set.artillery, set.infantry, set.cavalry,
                                                  set.wild};
    std::string text;
    for (int k = kArtillery; k < kKinds; ++k) {
        if (counts[k] <= 0) continue;
        if (!text.empty()) text += " + ";
        text += std::to_string(counts[k]) + kLetters[k];
    }
    return text + " = " + std::to_string(set.armies) + " armies";
}

std::array<std::string*, kMaxCardSetOptions> CardSetOptionTexts() {
    return {&g_cardSetOption1, &g_cardSetOption2, &g_cardSetOption3,
            &g_cardSetOption4, &g_cardSetOption5, &g_cardSetOption6};
}

bool IsCardSetOptionPresent(const std::string& text) {
    return text > " ";
}

void CChildView::BuildCardSetOptions(std::int32_t artillery, std::int32_t infantry,
                                     std::int32_t cavalry, std::int32_t wild, std::int32_t total) {
    g_cardTurnInMarker = 177;
    const auto texts = CardSetOptionTexts();
    for (std::string* text : texts) text->clear();
    const std::vector<CardSet> options =
        CardSetOptionsOf(artillery, infantry, cavalry, wild, total);
    for (std::size_t k = 0; k < options.size(); ++k) *texts[k] = FormatCardSetOption(options[k]);
}

void CKaartiDlg::ParseTradeOption(const std::string& text, std::int32_t& artillery,
                                  std::int32_t& infantry, std::int32_t& cavalry, std::int32_t& wild,
                                  std::int32_t& armies) {
    std::array<std::int32_t*, kKinds> counts{&artillery, &infantry, &cavalry, &wild};
    for (std::int32_t* count : counts) *count = 0;
    armies = 0;
    for (int k = kArtillery; k < kKinds; ++k) {
        const std::size_t at = text.find(kLetters[k]);
        // The digit sits just before the letter; a blank or a letter there (the "a" and "i" of
        // "armies") reads as 0, as does a letter with nothing before it.
        if (at != std::string::npos && at > 0) *counts[k] = ReadDecimal(text, at - 1, 1);
    }
    const std::size_t equals = text.find('=');
    if (equals != std::string::npos) armies = ReadDecimal(text, equals + 2, 2);
}

int FillCardSetOptionRows() {
    const auto texts = CardSetOptionTexts();
    int filled = 0;
    for (const std::string* text : texts) {
        if (!IsCardSetOptionPresent(*text)) break;
        CardSet set;
        CKaartiDlg::ParseTradeOption(*text, set.artillery, set.infantry, set.cavalry, set.wild,
                                     set.armies);
        if (set.armies == 0) break;
        g_cardSetOptions[filled] = {set.artillery, set.infantry, set.cavalry, set.wild, set.armies};
        ++filled;
    }
    return filled;
}
