// The main window's table of windows: every protocol window stands in the
// creation order, a hidden button opens its window through the table, and a
// change of language reaches the windows.

#include "app/ProtocolWindows.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "MainWindowFixture.h"
#include "protocols/IEC61850_Variables.h"
#include "protocols/IEC_61850_Access.h"
#include "protocols/OPC_UA_Client_Access.h"
#include "protocols/OPC_UA_Server_Access.h"
#include "protocols/MQTT_Set_Topic.h"
#include "protocols/TLS_Server_Known_Cert.h"
#include "protocols/TopicTemplate.h"
#include "platform/Application.h"
#include "platform/Messages.h"
#include "platform/TestHooks.h"
#include "shell/Comon.h"
#include "shell/Language.h"

namespace fs = std::filesystem;
using namespace plat;

namespace {

TEST(ProgramWindows, CreationOrderBeginsWithTheMainAndLoRaWANWindows) {
    const auto& windows = app::Program_Windows();
    ASSERT_EQ(windows.size(), 42u);
    EXPECT_STREQ(windows[0].Instance, "FVastrimoFirmWare");
    EXPECT_STREQ(windows[1].Instance, "FLoRaWAN_Gateway");
    EXPECT_STREQ(windows[10].Instance, "FSetAccess");
    EXPECT_STREQ(windows[11].Instance, "FModbus_TCP_Master_Set_Access");
    EXPECT_STREQ(windows[41].Instance, "FKNXAccess");
    // Every relabelled window has its row.
    for (const char* name : app::Relabel_Order()) EXPECT_NE(app::Find_Program_Window(name), nullptr) << name;
}

// The main window with the protocol windows that the common fixture does
// not make.
class ProtocolButtons : public apptest::MainWindowTest {
protected:
    void Make_Windows() {
        variables = Made(proto::FIEC61850_Variables);
        certificates = Made(proto::FTLS_Server_Known_Cert);
        topics = Made(proto::FMQTT_Set_Topic);
        templates = Made(proto::FTopicTemplate);
    }
    void TearDown() override {
        proto::FIEC61850_Variables = nullptr;
        proto::FTLS_Server_Known_Cert = nullptr;
        proto::FMQTT_Set_Topic = nullptr;
        proto::FTopicTemplate = nullptr;
        variables.reset();
        certificates.reset();
        topics.reset();
        templates.reset();
        MainWindowTest::TearDown();
    }
    template <class T>
    std::unique_ptr<T> Made(T*& Instance) {
        auto window = std::make_unique<T>(nullptr);
        Instance = window.get();
        window->DoCreate();
        return window;
    }
    std::unique_ptr<proto::TFIEC61850_Variables> variables;
    std::unique_ptr<proto::TFTLS_Server_Known_Cert> certificates;
    std::unique_ptr<proto::TFMQTT_Set_Topic> topics;
    std::unique_ptr<proto::TFTopicTemplate> templates;
};

TEST_F(ProtocolButtons, HiddenButtonsOpenTheirWindows) {
    Start("protocol_buttons", [](const std::string& d) {
        fs::create_directories(d + "/PROJECTS/Plant");
        apptest::WriteText(d + "/PROJECTS/Plant/ParGen.xml",
                           "<Par_Gen><BACnet_Master_Type>1</BACnet_Master_Type></Par_Gen>");
        apptest::WriteText(d + "/Vastrimo.xml", apptest::SettingsXml("Plant"));
    });
    Make_Windows();
    const struct {
        const char* button;
        TForm* window;
    } cases[] = {{"Btn_Modbus_Set_Access", modbusTCP.get()},
                 {"Btn_BACnet_SetAccess", bacnetAccess.get()},
                 {"Btn_IEC61850_Access", variables.get()},
                 {"Btn_TLS_List_Certificates", certificates.get()},
                 {"Btn_MQTT_Set_Topic", topics.get()}};
    for (const auto& c : cases) {
        test::TScriptedUi ui;
        std::string shown;
        ui.OnModal([&](TForm& f) {
            shown = f.Name();
            return mrCancel;
        });
        main->Btn_Click(main->Button(c.button));
        EXPECT_EQ(shown, c.window->Name()) << c.button;
        EXPECT_TRUE(ui.Boxes().empty()) << c.button;
    }
    // The BACnet window took the client kind from the parameter file.
    EXPECT_EQ(bacnetAccess->App_BACnet_Type, 1);
}

TEST_F(ProtocolButtons, HiddenIEC61850ClientButtonOpensTheClientWindow) {
    Start("iec61850_button", [](const std::string& d) {
        fs::create_directories(d + "/PROJECTS/Plant");
        apptest::WriteText(d + "/Vastrimo.xml", apptest::SettingsXml("Plant"));
    });
    auto client = std::make_unique<proto::TFIEC_61850_Access>(nullptr);
    proto::FIEC_61850_Access = client.get();
    client->DoCreate();
    test::TScriptedUi ui;
    TForm* shown = nullptr;
    ui.OnModal([&](TForm& f) {
        shown = &f;
        return mrCancel;
    });
    main->Btn_Click(main->Button("Btn_IEC61850_Client"));
    EXPECT_EQ(shown, client.get());
    EXPECT_EQ(client->Caption(), "IEC61850 Client Set Access");
    EXPECT_TRUE(ui.Boxes().empty());
}

TEST_F(ProtocolButtons, HiddenOPCUAButtonsOpenTheirWindows) {
    Start("opcua_buttons", [](const std::string& d) {
        fs::create_directories(d + "/PROJECTS/Plant");
        apptest::WriteText(d + "/Vastrimo.xml", apptest::SettingsXml("Plant"));
    });
    auto server = std::make_unique<proto::TFOPC_UA_Server_Access>(nullptr);
    proto::FOPC_UA_Server_Access = server.get();
    server->DoCreate();
    auto client = std::make_unique<proto::TFOPC_UA_Client_Access>(nullptr);
    proto::FOPC_UA_Client_Access = client.get();
    client->DoCreate();
    const struct {
        const char* button;
        TForm* window;
        const char* caption;
    } cases[] = {{"Btn_OPC_UA_Server_Access", server.get(), "Definition of OPC UA Server Variables"},
                 {"Btn_OPC_UA_Client_Access", client.get(), "OCP UA Client Access"}};
    for (const auto& c : cases) {
        test::TScriptedUi ui;
        TForm* shown = nullptr;
        ui.OnModal([&](TForm& f) {
            shown = &f;
            return mrCancel;
        });
        main->Btn_Click(main->Button(c.button));
        EXPECT_EQ(shown, c.window) << c.button;
        EXPECT_EQ(c.window->Caption(), c.caption);
        EXPECT_TRUE(ui.Boxes().empty()) << c.button;
    }
}

// The keys a user types go where the focus is: to the focused control of
// the active window, whatever control that is at the moment.
void Type_At_Focus(const std::string& Text) {
    size_t at = 0;
    while (at < Text.size()) {
        // One character (UTF-8) at a time: the first may open an editor
        // that takes the rest.
        size_t next = at + 1;
        while (next < Text.size() && (static_cast<unsigned char>(Text[next]) & 0xC0) == 0x80) ++next;
        TWinControl* focused = Screen->ActiveControl();
        ASSERT_NE(focused, nullptr) << "no control has the focus";
        test::TypeText(*focused, Text.substr(at, next - at));
        at = next;
    }
}

void Key_At_Focus(unsigned short Key) {
    TWinControl* focused = Screen->ActiveControl();
    ASSERT_NE(focused, nullptr) << "no control has the focus";
    test::SendKey(*focused, Key);
}

// Every table window is made once and shown at each opening: the second
// showing takes typing, F2 and Enter as the first did, with no window
// manager to activate it.
TEST_F(ProtocolButtons, ReopenedTableWindowsTakeTheKeys) {
    Start("reopened_windows", [](const std::string& d) {
        fs::create_directories(d + "/PROJECTS/Plant");
        apptest::WriteText(d + "/Vastrimo.xml", apptest::SettingsXml("Plant"));
    });
    Make_Windows();
    const struct {
        const char* button;
        proto::TAccessTableForm* window;
        const char* file;
    } cases[] = {{"Btn_IEC61850_Access", variables.get(), "IEC61850_Variables.xml"},
                 {"Btn_TLS_List_Certificates", certificates.get(), "TLS_Known_Cert.xml"},
                 {"Btn_Modbus_Set_Access", modbusTCP.get(), "ModbusTCPM_SetAccess.xml"}};
    for (const auto& c : cases) {
        for (int showing = 1; showing <= 2; ++showing) {
            test::TScriptedUi ui;
            ui.OnModal([&](TForm&) {
                test::ProcessEvents();
                grid::TExtColumnGrid& g = c.window->Table_Grid(0);
                EXPECT_EQ(Screen->ActiveControl(), &g) << c.button << ", showing " << showing;
                if (showing == 1) return mrCancel;
                g.SetRow(1);
                g.SetCol(2);
                Type_At_Focus("5 Tank \xE2\x82\xAC");
                EXPECT_TRUE(g.EditMode()) << c.button;
                Key_At_Focus(VK_RETURN);
                EXPECT_EQ(g.Cells(2, 1), "5 Tank \xE2\x82\xAC") << c.button;
                g.SetRow(2);
                Key_At_Focus(VK_F2);
                EXPECT_TRUE(g.EditMode()) << c.button << ": F2";
                Key_At_Focus(VK_ESCAPE);
                return mrCancel;
            });
            main->Btn_Click(main->Button(c.button));
            EXPECT_TRUE(ui.Boxes().empty()) << c.button;
        }
        // Cancel wrote nothing.
        EXPECT_FALSE(fs::exists(dir + "/PROJECTS/Plant/" + c.file)) << c.button;
    }
}

TEST_F(ProtocolButtons, LanguageChangeRelabelsTheIECMqttAndTLSWindows) {
    Start("iec_mqtt_tls_language");
    Make_Windows();
    shell::Lang_Texts.SetString(3300, "Variablen");
    shell::Lang_Texts.SetString(3416, "Zertifikat");
    shell::Lang_Texts.SetString(3733, "Senden");
    shell::Lang_Texts.SetString(3800, "Thema");
    main->Change_Language();
    EXPECT_EQ(variables->Caption(), "Variablen");
    EXPECT_EQ(certificates->Table_Grid(0).Columns().Items(proto::tls_cert::Certificate).Header(), "Zertifikat");
    EXPECT_EQ(topics->Pages[0]->Caption(), "Senden");
    EXPECT_EQ(templates->Caption(), "Thema");
}

}  // namespace

namespace {

TEST_F(ProtocolButtons, LanguageChangeRelabelsTheProtocolWindows) {
    Start("modbus_language");
    shell::Lang_Texts.SetString(1700, "Modbus RTU");
    shell::Lang_Texts.SetString(1808, "Nr");
    main->Change_Language();
    EXPECT_EQ(modbusRTU->Caption(), "Modbus RTU");
    EXPECT_EQ(modbusTCP->Table_Grid(0).Columns().Items(0).Header(), "Nr");
}

}  // namespace
