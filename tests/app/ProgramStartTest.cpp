#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

// The program comes up offscreen, shows its main window and exits with 0.
TEST(ProgramStart, StartsAndExitsCleanly) {
    const std::string command =
        std::string("QT_QPA_PLATFORM=offscreen '") + VASTRIMO_PROGRAM + "' --exit-after-start";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

// Started in an empty program folder, the program creates its folders and
// leaves its settings file behind when it closes.
TEST(ProgramStart, FirstStartPreparesTheProgramFolder) {
    const std::filesystem::path dir = std::filesystem::path(VASTRIMO_TEST_OUT) / "app" / "program_start";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::string command = "QT_QPA_PLATFORM=offscreen VASTRIMO_PROGRAM_DIR='" + dir.string() + "' '" +
                                VASTRIMO_PROGRAM + "' --exit-after-start";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    for (const char* sub : {"MASTER", "PROJECTS", "LANGUAGE"})
        EXPECT_TRUE(std::filesystem::is_directory(dir / sub)) << sub;
    EXPECT_TRUE(std::filesystem::is_regular_file(dir / "Vastrimo.xml"));
}
