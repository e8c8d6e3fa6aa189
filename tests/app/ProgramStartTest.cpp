#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

// The program comes up offscreen, shows its main window and exits with 0.
TEST(ProgramStart, StartsAndExitsCleanly) {
    const std::string command =
        std::string("QT_QPA_PLATFORM=offscreen '") + VASTRIMO_PROGRAM + "' --exit-after-start";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}
