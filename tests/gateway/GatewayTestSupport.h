#pragma once
// Setup shared by the gateway window and file tests: reading a written file
// back whole, a fresh program folder with a configuration open, and the
// edits that the parameter tables apply to a set of values.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "gateway/ParGenFile.h"
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

// One edit of the parameter values, as the test tables state them.
using TParGenChange = std::function<void(gw::TParGenData&)>;

inline gw::TParGenData Changed(gw::TParGenData data, const TParGenChange& change) {
    change(data);
    return data;
}

}  // namespace gwtest
