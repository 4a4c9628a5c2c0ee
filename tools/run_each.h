// Running one program once per argument list, a few at a time, for the generators that draw
// every map the catalogue names in one build step.
#pragma once

#include <string>
#include <vector>

namespace tools {

// Runs this very program with each argument list (without the program's name), at most
// `parallel` at once; true when every run ended with status 0.
bool RunSelfForEach(const std::vector<std::vector<std::string>>& argumentLists, int parallel);

// The runs a generator starts at once: half the processors, at least one.
int DefaultParallelRuns();

}  // namespace tools
