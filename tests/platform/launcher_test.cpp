#include "platform/launcher.h"

#include <gtest/gtest.h>

namespace ledgerleaf {
namespace {

TEST(Launcher, StartsProgramsFoundOnThePath) {
#ifdef _WIN32
    EXPECT_TRUE(startProgram("cmd.exe"));
#else
    EXPECT_TRUE(startProgram("true"));
#endif
    EXPECT_FALSE(startProgram("ledgerleaf-no-such-program"));
    EXPECT_FALSE(startProgram(""));
}

}  // namespace
}  // namespace ledgerleaf
