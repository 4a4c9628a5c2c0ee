// The main of every test program of the game: each test, fixture or not, starts from the process
// state a program has when it begins, whichever tests ran before it in the same process.
#include <gtest/gtest.h>

#include "shell/process_state.h"

namespace {

// Runs before the test's fixture is made, so that fixtures build on the reset state.
class ResetBeforeEachTest : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { ResetProcessState(); }
};

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new ResetBeforeEachTest);
    return RUN_ALL_TESTS();
}
