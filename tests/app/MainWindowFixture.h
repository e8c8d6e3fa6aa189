#pragma once
// The program's windows made as the program makes them, in a fresh program
// folder, and taken down again after each test.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/VastrimoFirmWare.h"
#include "gateway/Boot.h"
#include "gateway/LoRaWAN_Gateway.h"
#include "gateway/ParGen.h"
#include "platform/Application.h"
#include "platform/TestHooks.h"
#include "protocols/BACnetAccess.h"
#include "protocols/BACnetSlaveSetAccess.h"
#include "protocols/BACnet_Eng_Unit.h"
#include "protocols/ImportEDEFile.h"
#include "protocols/Modbus_TCP_Master_Set_Access.h"
#include "protocols/SetAccess.h"
#include "shell/About.h"
#include "shell/Comon.h"
#include "shell/NewProject.h"
#include "shell/OpenConf.h"
#include "shell/SoftOptions.h"

namespace apptest {

inline void WriteText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

inline std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::string SettingsXml(const std::string& project, bool internet = false, bool update = false) {
    return "<Conf_Settings><lastproj><projectname>" + project +
           "</projectname></lastproj><lastipadd><ipaddress>10.0.0.7</ipaddress></lastipadd>"
           "<lastlang><language>English</language></lastlang><lastinternet><enable_internet>" +
           (internet ? "1" : "0") + "</enable_internet><enable_update>" + (update ? "1" : "0") +
           "</enable_update><enable_jump_field_tables>0</enable_jump_field_tables>"
           "<Double_Click_Auto_Size>0</Double_Click_Auto_Size></lastinternet></Conf_Settings>";
}

class MainWindowTest : public ::testing::Test {
protected:
    // prepare runs on the empty program folder before the program starts.
    void Start(const std::string& name, const std::function<void(const std::string&)>& prepare = {}) {
        dir = (std::filesystem::path(VASTRIMO_TEST_OUT) / "app" / name).string();
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        if (prepare) prepare(dir);
        ASSERT_EQ(::setenv(shell::Program_Dir_Variable, dir.c_str(), 1), 0);
        plat::InitApplication();
        main = Make(app::FVastrimoFirmWare);
        newProject = Make(shell::FNew_Project);
        openConf = Make(shell::FOpenConf);
        about = Make(shell::FAbout);
        options = Make(shell::FSoftOptions);
        boot = Make(gw::FBoot);
        parGen = Make(gw::FParGen);
        loRaWAN = Make(gw::FLoRaWAN_Gateway);
        modbusRTU = Make(proto::FSetAccess);
        modbusTCP = Make(proto::FModbus_TCP_Master_Set_Access);
        bacnetAccess = Make(proto::FBACnetAccess);
        importEDE = Make(proto::FImportEDEFile);
        engUnit = Make(proto::FBACnet_Eng_Unit);
        bacnetSlave = Make(proto::FBACnetSlaveSetAccess);
        app::Link_Windows();
    }

    void TearDown() override {
        ::unsetenv(shell::Program_Dir_Variable);
        proto::FBACnetSlaveSetAccess = nullptr;
        proto::FBACnet_Eng_Unit = nullptr;
        proto::FImportEDEFile = nullptr;
        proto::FBACnetAccess = nullptr;
        proto::FModbus_TCP_Master_Set_Access = nullptr;
        proto::FSetAccess = nullptr;
        gw::FLoRaWAN_Gateway = nullptr;
        gw::FParGen = nullptr;
        gw::FBoot = nullptr;
        shell::FSoftOptions = nullptr;
        shell::FAbout = nullptr;
        shell::FOpenConf = nullptr;
        shell::FNew_Project = nullptr;
        app::FVastrimoFirmWare = nullptr;
        bacnetSlave.reset();
        engUnit.reset();
        importEDE.reset();
        bacnetAccess.reset();
        modbusTCP.reset();
        modbusRTU.reset();
        loRaWAN.reset();
        parGen.reset();
        boot.reset();
        options.reset();
        about.reset();
        openConf.reset();
        newProject.reset();
        main.reset();
    }

    std::string SettingsFile() const { return dir + "/Vastrimo.xml"; }

    // Clicks a main-window button and returns the modal window it opened
    // (closed again at once), nullptr when none; no message box may appear.
    plat::TForm* Shown_By(const char* Button) {
        plat::test::TScriptedUi ui;
        plat::TForm* shown = nullptr;
        ui.OnModal([&](plat::TForm& f) {
            shown = &f;
            return plat::mrCancel;
        });
        main->Btn_Click(main->Button(Button));
        EXPECT_TRUE(ui.Boxes().empty()) << Button;
        return shown;
    }

    // Each hidden button opens its window modally, with no message; the
    // windows are created here as the program creates them.
    void Expect_Buttons_Open(const std::vector<std::pair<const char*, plat::TForm*>>& Buttons) {
        for (const auto& [button, window] : Buttons) {
            window->DoCreate();
            EXPECT_EQ(Shown_By(button), window) << button;
        }
    }

    std::string dir;
    std::unique_ptr<app::TFVastrimoFirmWare> main;
    std::unique_ptr<shell::TFNew_Project> newProject;
    std::unique_ptr<shell::TFOpenConf> openConf;
    std::unique_ptr<shell::TFAbout> about;
    std::unique_ptr<shell::TFSoftOptions> options;
    std::unique_ptr<gw::TFBoot> boot;
    std::unique_ptr<gw::TFParGen> parGen;
    std::unique_ptr<gw::TFLoRaWAN_Gateway> loRaWAN;
    std::unique_ptr<proto::TFSetAccess> modbusRTU;
    std::unique_ptr<proto::TFModbus_TCP_Master_Set_Access> modbusTCP;
    std::unique_ptr<proto::TFBACnetAccess> bacnetAccess;
    std::unique_ptr<proto::TFImportEDEFile> importEDE;
    std::unique_ptr<proto::TFBACnet_Eng_Unit> engUnit;
    std::unique_ptr<proto::TFBACnetSlaveSetAccess> bacnetSlave;

private:
    template <class T>
    std::unique_ptr<T> Make(T*& global) {
        auto form = std::make_unique<T>(nullptr);
        global = form.get();
        form->DoCreate();
        return form;
    }
};

}  // namespace apptest
