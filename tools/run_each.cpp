// Runs this program once per argument list through posix_spawn, a few children at a time.
#include "tools/run_each.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <thread>

extern char** environ;

namespace tools {
namespace {

// The running program's own file, so that a child runs the same build of it.
std::string SelfPath() {
    std::string path(4096, '\0');
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size() - 1);
    if (length <= 0) return {};
    path.resize(static_cast<std::size_t>(length));
    return path;
}

bool Spawn(const std::string& program, const std::vector<std::string>& arguments, pid_t* child) {
    std::vector<std::string> all{program};
    all.insert(all.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    return posix_spawn(child, program.c_str(), nullptr, nullptr, argv.data(), environ) == 0;
}

// Waits for one child to end; true when it ended with status 0.
bool WaitForOne() {
    int status = 0;
    if (wait(&status) < 0) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

bool RunSelfForEach(const std::vector<std::vector<std::string>>& argumentLists, int parallel) {
    const std::string self = SelfPath();
    if (self.empty()) {
        std::fprintf(stderr, "cannot find the running program's file\n");
        return false;
    }
    bool allGood = true;
    int running = 0;
    for (const std::vector<std::string>& arguments : argumentLists) {
        if (running >= std::max(parallel, 1)) {
            allGood = WaitForOne() && allGood;
            --running;
        }
        pid_t child = 0;
        if (!Spawn(self, arguments, &child)) {
            std::fprintf(stderr, "cannot start %s\n", self.c_str());
            allGood = false;
            continue;
        }
        ++running;
    }
    for (; running > 0; --running) allGood = WaitForOne() && allGood;
    return allGood;
}

int DefaultParallelRuns() {
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency() / 2));
}

}  // namespace tools
