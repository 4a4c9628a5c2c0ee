// The computer player's figures: Google Benchmark timings of a whole computer-only game, and with
// --figures the strength table over seeded games and the spread of single computer turns.
#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "core/model/map_catalogue.h"
#include "sim/simulation.h"

namespace {

using namespace ai_sim;
using Clock = std::chrono::steady_clock;

constexpr int kTurnCap = 5000;

// The games here are played on the default map, the one the program starts on.
const char* DefaultMapName() {
    static const std::string name(DefaultMap().name);
    return name.c_str();
}

struct Tally {
    int games = 0, sideWins = 0, otherWins = 0, unfinished = 0;
};

// Seats of the measured side alternate between the odd and the even seats from game to game.
bool OnSide(int seat, std::uint32_t seed) {
    return seat % 2 == static_cast<int>(seed % 2);
}
// A side of one seat that goes round the table from game to game.
bool IsLoneSeat(int seat, std::uint32_t seed) {
    return seat == 1 + static_cast<int>(seed % 4);
}

template <typename Configure>
Tally PlaySide(int games, int players, Configure configure,
               bool (*onSide)(int, std::uint32_t) = OnSide) {
    Simulation sim;
    Tally tally;
    for (int g = 0; g < games; ++g) {
        GameSetup setup;
        setup.seed = 1000u + static_cast<std::uint32_t>(g);
        setup.players = players;
        setup.turnCap = kTurnCap;
        for (int seat = 1; seat <= players; ++seat)
            configure(setup, seat, onSide(seat, setup.seed));
        if (!sim.Start(setup)) continue;
        const GameResult r = sim.Run();
        ++tally.games;
        if (r.winner == 0)
            ++tally.unfinished;
        else if (onSide(r.winner, setup.seed))
            ++tally.sideWins;
        else
            ++tally.otherWins;
    }
    return tally;
}

void PrintSide(const char* name, const Tally& t) {
    std::printf("%-34s games %4d  side wins %4d (%5.1f%%)  other wins %4d  unfinished %d\n", name,
                t.games, t.sideWins, 100.0 * t.sideWins / std::max(t.games, 1), t.otherWins,
                t.unfinished);
}

void WinsBySeat(int games) {
    Simulation sim;
    std::array<int, kMaxPlayers + 1> wins{};
    int unfinished = 0;
    for (int g = 0; g < games; ++g) {
        GameSetup setup;
        setup.seed = 5000u + static_cast<std::uint32_t>(g);
        setup.turnCap = kTurnCap;
        if (!sim.Start(setup)) continue;
        const GameResult r = sim.Run();
        if (r.winner == 0)
            ++unfinished;
        else
            ++wins[static_cast<std::size_t>(r.winner)];
    }
    std::printf("wins by seat, 6 plain players on %s, %d games:", DefaultMapName(), games);
    for (int s = 1; s <= 6; ++s) std::printf("  seat %d: %d", s, wins[static_cast<std::size_t>(s)]);
    std::printf("  unfinished: %d\n", unfinished);
}

// The largest built-in map: the heaviest turns.
const BuiltinMap& LargestMap() {
    const auto maps = BuiltinMaps();
    return *std::max_element(
        maps.begin(), maps.end(),
        [](const BuiltinMap& a, const BuiltinMap& b) { return a.territories < b.territories; });
}

// Processor time of this thread: what a turn costs, without the time other programs on a busy
// machine hold the processor.
double ThreadMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

void TurnTimes(const BuiltinMap& map, int games) {
    const std::string label(map.name);
    const char* name = label.c_str();
    Simulation sim;
    std::vector<double> turns, turnsCpu, wholeGames;
    for (int g = 0; g < games; ++g) {
        GameSetup setup;
        setup.map = map.flag;
        setup.seed = 9000u + static_cast<std::uint32_t>(g);
        setup.turnCap = kTurnCap;
        if (!sim.Start(setup)) {
            std::printf("%s: not available in this build\n", name);
            return;
        }
        Clock::time_point start;
        double startCpu = 0;
        sim.beforeTurn = [&](std::int32_t) {
            start = Clock::now();
            startCpu = ThreadMs();
        };
        sim.afterTurn = [&](std::int32_t) {
            turnsCpu.push_back(ThreadMs() - startCpu);
            turns.push_back(
                std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        };
        const Clock::time_point gameStart = Clock::now();
        sim.Run();
        wholeGames.push_back(
            std::chrono::duration<double, std::milli>(Clock::now() - gameStart).count());
    }
    auto at = [](std::vector<double>& v, double q) {
        std::sort(v.begin(), v.end());
        return v.empty() ? 0.0 : v[static_cast<std::size_t>(q * static_cast<double>(v.size() - 1))];
    };
    std::printf("%s, 6 players: %zu turns  median %.3f ms  p90 %.3f ms  p99 %.3f ms  max %.3f ms\n",
                name, turns.size(), at(turns, 0.5), at(turns, 0.9), at(turns, 0.99),
                at(turns, 1.0));
    std::printf(
        "%s, 6 players: processor time per turn  median %.3f ms  p90 %.3f ms  p99 %.3f ms  "
        "max %.3f ms\n",
        name, at(turnsCpu, 0.5), at(turnsCpu, 0.9), at(turnsCpu, 0.99), at(turnsCpu, 1.0));
    std::printf("%s, 6 players: %zu whole games  median %.1f ms  max %.1f ms\n", name,
                wholeGames.size(), at(wholeGames, 0.5), at(wholeGames, 1.0));
}

const BuiltinMap* MapNamed(const char* name) {
    for (const BuiltinMap& map : BuiltinMaps())
        if (map.name == name) return &map;
    return nullptr;
}

// FNV-1a over every territory's owner and armies: two games ended alike hash alike.
std::uint64_t BoardHash() {
    std::uint64_t h = 1469598103934665603ull;
    auto mix = [&](std::int32_t v) {
        for (int b = 0; b < 4; ++b) {
            h ^= static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * b));
            h *= 1099511628211ull;
        }
    };
    for (int t = 1; t <= ai::Territories(); ++t) {
        mix(ai::Owner(t));
        mix(ai::Armies(t));
    }
    return h;
}

// One line per seeded game: turns, winner and the final board's hash, so that a change meant to
// leave play alone can be checked against the lines printed before it.
void PrintResults(const BuiltinMap& map, int games) {
    const std::string label(map.name);
    const char* name = label.c_str();
    Simulation sim;
    std::uint64_t all = 1469598103934665603ull;
    for (int g = 0; g < games; ++g) {
        GameSetup setup;
        setup.map = map.flag;
        setup.seed = 9000u + static_cast<std::uint32_t>(g);
        setup.turnCap = kTurnCap;
        if (!sim.Start(setup)) {
            std::printf("%s: not available in this build\n", name);
            return;
        }
        const GameResult r = sim.Run();
        const std::uint64_t h = BoardHash();
        all = (all ^ h) * 1099511628211ull;
        std::printf("%s seed %u: turns %d winner %d board %016llx\n", name, setup.seed, r.turns,
                    r.winner, static_cast<unsigned long long>(h));
        std::fflush(stdout);
    }
    std::printf("%s, %d games: all boards %016llx\n", name, games,
                static_cast<unsigned long long>(all));
}

// Why a game stops at the turn cap: for each capped game, the turn of its last conquest and the
// board at the cap, player by player, with how often each attacked and conquered in the last
// thousand turns.
void PrintStalls(const BuiltinMap& map, int games, int turnCap) {
    Simulation sim;
    for (int g = 0; g < games; ++g) {
        GameSetup setup;
        setup.map = map.flag;
        setup.seed = 9000u + static_cast<std::uint32_t>(g);
        setup.turnCap = turnCap;
        if (!sim.Start(setup)) return;
        std::array<std::int32_t, kMaxTerritories + 1> owners{};
        auto snapshot = [&] {
            int changed = 0;
            for (int t = 1; t <= ai::Territories(); ++t) {
                changed += owners[static_cast<std::size_t>(t)] != ai::Owner(t) ? 1 : 0;
                owners[static_cast<std::size_t>(t)] = ai::Owner(t);
            }
            return changed;
        };
        struct Late {
            int turns = 0, attacked = 0, conquests = 0;
        };
        std::array<Late, kMaxPlayers + 1> late{};
        int turn = 0, lastConquest = 0, ledTurns = 0, peak = 0, peakTurn = 0, peakPlayer = 0;
        sim.beforeTurn = [&](std::int32_t) { snapshot(); };
        sim.afterTurn = [&](std::int32_t p) {
            ++turn;
            const int conquests = snapshot();
            if (conquests > 0) lastConquest = turn;
            // The leader the acting player's last evaluation named: every other player's plans
            // then count only against it.
            ledTurns += g_aiLeader != 0 && g_aiLeader != p ? 1 : 0;
            for (int q = 1; q <= setup.players; ++q) {
                if (ai::TerritoriesOf(q) <= peak) continue;
                peak = ai::TerritoriesOf(q);
                peakTurn = turn;
                peakPlayer = q;
            }
            if (turn <= turnCap - 1000 || !IsPlayer(p)) return;
            Late& l = late[static_cast<std::size_t>(p)];
            ++l.turns;
            l.attacked += g_hasAttackedThisTurn ? 1 : 0;
            l.conquests += conquests;
        };
        const GameResult r = sim.Run();
        sim.beforeTurn = nullptr;
        sim.afterTurn = nullptr;
        if (r.winner != 0) {
            if (turnCap > kTurnCap && r.turns > kTurnCap)
                std::printf("%s seed %u: won by player %d at turn %d\n", map.name.data(),
                            setup.seed, r.winner, r.turns);
            continue;
        }
        std::printf(
            "%s seed %u: capped, last conquest at turn %d; %d of %d turns played against a "
            "named leader; most territories held: %d by player %d at turn %d\n",
            map.name.data(), setup.seed, lastConquest, ledTurns, turn, peak, peakPlayer, peakTurn);
        for (int p = 1; p <= setup.players; ++p) {
            if (ai::TerritoriesOf(p) == 0) continue;
            std::int32_t largest = 0;
            for (int t = 1; t <= ai::Territories(); ++t)
                if (ai::Owner(t) == p) largest = std::max(largest, ai::Armies(t));
            const Late& l = late[static_cast<std::size_t>(p)];
            std::printf(
                "  player %d: %3d territories %6d armies (largest %5d) bonus %3d  "
                "last 1000 turns: %d turns, %d with attacks, %d conquests\n",
                p, ai::TerritoriesOf(p), ai::TotalArmies(p), largest,
                g_players[static_cast<std::size_t>(p)][player_field::kContinentBonus], l.turns,
                l.attacked, l.conquests);
        }
        std::fflush(stdout);
    }
}

int RunFigures(int games) {
    std::printf("strength over %d seeded games per case (%s, Conquer All, 1-for-1 rule)\n", games,
                DefaultMapName());
    PrintSide("Normal (2 seats) vs Easy (2 seats)",
              PlaySide(games, 4, [](GameSetup& s, int seat, bool side) {
                  s.easyPlayers[static_cast<std::size_t>(seat)] = !side;
              }));
    static const char* const kNames[] = {"Normal",     "Conqueror", "Defensive", "Avenger",
                                         "Determined", "Hunter",    "Unstable"};
    for (int personality = 1; personality <= 6; ++personality) {
        const std::string name = std::string(kNames[personality]) + " (2 seats) vs plain (2 seats)";
        PrintSide(name.c_str(), PlaySide(games, 4, [&](GameSetup& s, int seat, bool side) {
                      s.personalities[static_cast<std::size_t>(seat)] = side ? personality : 0;
                  }));
    }
    PrintSide("plain (2 seats) vs random (2 seats)",
              PlaySide(games, 4, [](GameSetup& s, int seat, bool side) {
                  s.randomPlayers[static_cast<std::size_t>(seat)] = !side;
              }));
    PrintSide("plain (1 seat) vs random (3 seats)",
              PlaySide(
                  games, 4,
                  [](GameSetup& s, int seat, bool side) {
                      s.randomPlayers[static_cast<std::size_t>(seat)] = !side;
                  },
                  IsLoneSeat));
    WinsBySeat(games);
    TurnTimes(DefaultMap(), 50);
    TurnTimes(LargestMap(), 20);
    return 0;
}

void BM_WorldGameSixComputers(benchmark::State& state) {
    Simulation sim;
    std::uint32_t seed = 1;
    for (auto _ : state) {
        GameSetup setup;
        setup.seed = seed++;
        setup.turnCap = kTurnCap;
        if (!sim.Start(setup)) {
            state.SkipWithError("the default map could not be set up");
            return;
        }
        benchmark::DoNotOptimize(sim.Run());
    }
}
BENCHMARK(BM_WorldGameSixComputers)->Unit(benchmark::kMillisecond);

}  // namespace

// "--results" prints each seeded game's outcome; "--stalls [cap]" the capped Swamp II games;
// "--turns [games]" the turn and game times on Swamp II and the default map; "--figures [games]"
// prints the strength table and the turn times; otherwise the benchmarks.
int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "--results") == 0) {
        const BuiltinMap* swamp = MapNamed("Swamp II");
        if (swamp != nullptr) PrintResults(*swamp, 20);
        PrintResults(DefaultMap(), 50);
        return 0;
    }
    if (argc >= 2 && std::strcmp(argv[1], "--stalls") == 0) {
        const BuiltinMap* swamp = MapNamed("Swamp II");
        if (swamp != nullptr)
            PrintStalls(*swamp, 20, argc >= 3 ? std::max(std::atoi(argv[2]), 1000) : kTurnCap);
        return 0;
    }
    if (argc >= 2 && std::strcmp(argv[1], "--turns") == 0) {
        // A smaller count plays only the first seeds, short enough for a profiler.
        const int scale = argc >= 3 ? std::clamp(std::atoi(argv[2]), 1, 20) : 20;
        const BuiltinMap* swamp = MapNamed("Swamp II");
        if (swamp != nullptr) TurnTimes(*swamp, scale);
        TurnTimes(DefaultMap(), scale * 5 / 2);
        return 0;
    }
    if (argc >= 2 && std::strcmp(argv[1], "--figures") == 0)
        return RunFigures(argc >= 3 ? std::max(std::atoi(argv[2]), 1) : 200);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
