#pragma once
// A fresh program folder with the English texts loaded and no configuration
// open, for the tests that drive the shell's windows.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "TestFolders.h"
#include "platform/Application.h"
#include "shell/Comon.h"
#include "shell/Language.h"

namespace shelltest {

class ShellWindowTest : public ::testing::Test {
protected:
    void UseProgramFolder(const std::string& name) {
        dir = FreshFolder(name);
        ASSERT_EQ(::setenv(shell::Program_Dir_Variable, dir.c_str(), 1), 0);
        shell::Set_Program_Folders();
        ::unsetenv(shell::Program_Dir_Variable);
        shell::Load_Default_Texts();
        shell::SW_Code = shell::Const_SW_Code;
        shell::SW_Desc = shell::Const_SW_Desc;
        shell::Conf_Name.clear();
        shell::Conf_Path.clear();
        shell::Set_Files();
        shell::Language_Name = "English";
        shell::Opt_Enable_Internet = shell::Opt_Enable_Update = false;
        shell::Opt_Jump_Field_Tables = shell::Opt_DblClick_Auto_Size = false;
        plat::InitApplication();
    }

    // A window made the way the program makes it: constructed, then created.
    template <class T>
    std::unique_ptr<T> Make() {
        auto form = std::make_unique<T>(nullptr);
        form->DoCreate();
        return form;
    }

    std::string dir;
};

}  // namespace shelltest
