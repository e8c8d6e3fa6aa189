#pragma once
// Setup shared by the gateway window and file tests: reading a written file
// back whole, a fresh program folder with a configuration open, and the
// edits that the parameter tables apply to a set of values.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "gateway/ParGenFile.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/TestHooks.h"
#include "shell/Comon.h"
#include "shell/Language.h"

namespace gwtest {

// The whole file as bytes; empty when it cannot be read.
inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Empties folder (under the test output) and makes it the program folder,
// with the English texts and the configuration "Plant" open. Its own folder
// is not made: a test that needs it makes it.
inline void OpenPlantConfiguration(const std::string& folder) {
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    ASSERT_EQ(::setenv(shell::Program_Dir_Variable, folder.c_str(), 1), 0);
    shell::Set_Program_Folders();
    ::unsetenv(shell::Program_Dir_Variable);
    shell::Load_Default_Texts();
    shell::SW_Code = "QP4A902";
    shell::Conf_Name = "Plant";
    shell::Conf_Path = shell::Projects_Dir + "/Plant";
    shell::Set_Files();
}

// A window of this subsystem on a fresh program folder (under the test
// output) with the English texts and an open configuration, made the way
// the program makes it: constructed, then created.
template <class TWindow>
class WindowTest : public ::testing::Test {
protected:
    void OpenWindow(const std::string& folderName) {
        ASSERT_NO_FATAL_FAILURE(
            OpenPlantConfiguration((std::filesystem::path(VASTRIMO_TEST_OUT) / folderName).string()));
        std::filesystem::create_directories(shell::Conf_Path);
        plat::InitApplication();
        dlg = std::make_unique<TWindow>(nullptr);
        dlg->DoCreate();
    }
    void TearDown() override { dlg.reset(); }

    std::unique_ptr<TWindow> dlg;
};

// OK was refused: one error box with the message, the window still open
// and the file on disk as it was before.
inline void ExpectRefused(const plat::test::TScriptedUi& ui, bool stayedOpen, const std::string& message,
                          const std::string& file, const std::string& before, const std::string& name) {
    ASSERT_EQ(ui.Boxes().size(), 1u) << name;
    EXPECT_EQ(ui.Boxes()[0].Text, message) << name;
    EXPECT_EQ(ui.Boxes()[0].Type, plat::mtError) << name;
    EXPECT_TRUE(stayedOpen) << name;
    EXPECT_EQ(ReadFile(file), before) << name;
}

// One edit of the parameter values, as the test tables state them.
using TParGenChange = std::function<void(gw::TParGenData&)>;

inline gw::TParGenData Changed(gw::TParGenData data, const TParGenChange& change) {
    change(data);
    return data;
}

}  // namespace gwtest
