#include "gateway/Boot.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "GatewayTestSupport.h"
#include "grid/ExtCGrid.h"
#include "platform/Application.h"
#include "platform/Clipboard.h"
#include "platform/ExtCtrls.h"
#include "platform/Messages.h"
#include "platform/Ping.h"
#include "platform/Process.h"
#include "platform/TestHooks.h"
#include "platform/XmlDom.h"
#include "shell/Comon.h"
#include "shell/Language.h"

namespace fs = std::filesystem;
using namespace plat;

namespace {

using gwtest::ReadFile;

// A fresh program folder with the English texts, a configuration open and,
// when asked, an updater that notes how it was started and what parameter
// file it found beside it.
class BootWindow : public ::testing::Test {
protected:
    void SetUp() override {
        dir = (fs::path(VASTRIMO_TEST_OUT) / "boot_window").string();
        ASSERT_NO_FATAL_FAILURE(gwtest::OpenPlantConfiguration(dir));
        shell::Last_IP_Address = shell::Default_IP_Address;
        shell::Update_Option_Index = 0;
        shell::Update_Read_Back = true;
        InitApplication();
        dlg = std::make_unique<gw::TFBoot>(nullptr);
        dlg->DoCreate();
        dlg->Form_Type = gw::Boot_Ethernet;
        fs::create_directories(shell::Master_Dir);
        std::ofstream(shell::Master_Dir + "/Sim4A902.sim") << "firmware";
    }
    void TearDown() override { dlg.reset(); }

    void InstallUpdater(const std::string& body =
                            "echo \"$#:$*\" > \"$(dirname \"$0\")/args.txt\"\n"
                            "cp \"$(dirname \"$0\")/Ethernet_Update.xml\" \"$(dirname \"$0\")/seen.xml\"\n") {
        const std::string path = dir + "/Ethernet_Update.exe";
        std::ofstream(path) << "#!/bin/sh\n" << body;
        ::chmod(path.c_str(), 0755);
    }

    // An echo that answers every request (or none), on a clock that moves
    // 205 ms per look so the 5 s limit comes quickly.
    void FakeEcho(TPingStatus status) {
        dlg->Services.ping = [this, status](const std::string& host, int timeoutMs, int dataSize) {
            hosts.push_back(host);
            EXPECT_EQ(timeoutMs, 400);
            EXPECT_EQ(dataSize, 1024);
            TPingResult r;
            r.status = status;
            return r;
        };
        dlg->Services.clock = [this] { return now += 205; };
    }

    // Shows the dialog, types the address, picks the option, presses update.
    TModalResult RunUpdate(const std::vector<std::string>& ip, int option, bool readBack,
                           test::TScriptedUi& ui) {
        ui.OnModal([&](TForm&) {
            TEdit* edits[] = {dlg->E_IP1, dlg->E_IP2, dlg->E_IP3, dlg->E_IP4};
            for (int i = 0; i < 4; ++i) {
                edits[i]->SetText("");
                test::TypeText(*edits[i], ip[static_cast<size_t>(i)]);
            }
            dlg->CB_Update_Options->SetItemIndex(option);
            dlg->CB_Update_Option_Read_Back->SetChecked(readBack);
            test::ClickAt(*dlg->Btn_Update);
            return mrCancel;
        });
        return dlg->ShowModal();
    }

    std::string dir;
    std::unique_ptr<gw::TFBoot> dlg;
    std::vector<std::string> hosts;
    long long now = 0;
};

TEST_F(BootWindow, ShowingRestoresLastAddressAndChoicesAndLaysOutEthernet) {
    shell::Last_IP_Address = "10.1.2.3";
    shell::Update_Option_Index = 2;
    shell::Update_Read_Back = false;
    test::TScriptedUi ui;
    ui.OnModal([&](TForm&) {
        EXPECT_EQ(dlg->Caption(), "Update Device by Ethernet (UDP)");
        EXPECT_EQ(dlg->L_SW_Desc->Caption(), "Update Device Using the Ethernet Port");
        EXPECT_EQ(dlg->L_SW_Code->Caption(), "QP4A902");
        EXPECT_EQ(dlg->E_IP1->Text() + "." + dlg->E_IP2->Text() + "." + dlg->E_IP3->Text() + "." +
                      dlg->E_IP4->Text(),
                  "10.1.2.3");
        EXPECT_EQ(dlg->CB_Update_Options->Items().Items(),
                  (std::vector<std::string>{"Firmware + Configuration", "Firmware", "Configuration"}));
        EXPECT_EQ(dlg->CB_Update_Options->ItemIndex(), 2);
        EXPECT_FALSE(dlg->CB_Update_Option_Read_Back->Checked());
        EXPECT_TRUE(dlg->P_IP_Address->Visible());
        EXPECT_TRUE(dlg->P_Options->Visible());
        EXPECT_FALSE(dlg->P_Serial->Visible());
        EXPECT_FALSE(dlg->P_Eth_Search->Visible());
        EXPECT_EQ(dlg->ClientWidth(), 449);
        EXPECT_EQ(dlg->ClientHeight(), 230);
        EXPECT_EQ(dlg->Btn_Update->Caption(), "Execute Update Firmware");
        std::filesystem::create_directories(VASTRIMO_TEST_OUT);
        EXPECT_TRUE(test::SaveScreenshot(*dlg, std::string(VASTRIMO_TEST_OUT) + "/TFBoot.png"));
        return mrCancel;
    });
    dlg->ShowModal();

    // A stored address that is none leaves the edits as they were.
    shell::Last_IP_Address = "10.1.2";
    ui.OnModal([&](TForm&) {
        EXPECT_EQ(dlg->E_IP1->Text(), "10");
        EXPECT_EQ(dlg->E_IP4->Text(), "3");
        return mrCancel;
    });
    dlg->ShowModal();
}

// The search panel is never shown here, but it is whole: its device list
// has the two columns with their headers and hint in the user's language.
TEST_F(BootWindow, SearchPanelHoldsTheLabelledDeviceList) {
    dlg->Set_Lang();
    grid::TExtColumnGrid& list = *dlg->ACG_List_Devices;
    EXPECT_EQ(list.Parent(), dlg->P_Eth_Search);
    EXPECT_EQ(list.ColCount(), 2);
    EXPECT_EQ(list.Cells(0, 0), "IP Address");
    EXPECT_EQ(list.Cells(1, 0), "MAC Address");
    EXPECT_EQ(list.Hint(), "Select a device in the list");
    EXPECT_EQ(dlg->Btn_Search->Caption(), "Search");
    EXPECT_EQ(dlg->CB_Find_All_VKR->Caption(), "Find all Vekrun Devices");
}

TEST_F(BootWindow, FormTypeChoosesCaptionsAndPanels) {
    const struct {
        int formType;
        const char* caption;
        const char* desc;
        bool ip, serial, options;
        int height;  // 0: left as it was
    } cases[] = {
        {gw::Boot_Serial, "Update Device by Serial", "Update Device Using the Serial Port", false, true, true, 232},
        {gw::Boot_Ethernet, "Update Device by Ethernet (UDP)", "Update Device Using the Ethernet Port", true, false,
         true, 230},
        {gw::Boot_USB, "Update Device by USB", "Update Device Using the USB Port", false, false, false, 0},
    };
    for (const auto& c : cases) {
        dlg->Form_Type = c.formType;
        test::TScriptedUi ui;
        ui.OnModal([&](TForm&) {
            EXPECT_EQ(dlg->Caption(), c.caption) << c.formType;
            EXPECT_EQ(dlg->L_SW_Desc->Caption(), c.desc) << c.formType;
            EXPECT_EQ(dlg->P_IP_Address->Visible(), c.ip) << c.formType;
            EXPECT_EQ(dlg->P_Serial->Visible(), c.serial) << c.formType;
            EXPECT_EQ(dlg->P_Options->Visible(), c.options) << c.formType;
            EXPECT_FALSE(dlg->P_Eth_Search->Visible()) << c.formType;
            if (c.height != 0) {
                EXPECT_EQ(dlg->ClientHeight(), c.height) << c.formType;
            }
            return mrCancel;
        });
        dlg->ShowModal();
    }
    // The serial layout remembers the choices and sends nothing.
    InstallUpdater();
    FakeEcho(TPingStatus::Reply);
    dlg->Form_Type = gw::Boot_Serial;
    test::TScriptedUi ui;
    ui.OnModal([&](TForm&) {
        dlg->CB_Update_Options->SetItemIndex(1);
        dlg->CB_Update_Option_Read_Back->SetChecked(false);
        test::ClickAt(*dlg->Btn_Update);
        return mrCancel;
    });
    dlg->ShowModal();
    EXPECT_EQ(shell::Update_Option_Index, 1);
    EXPECT_FALSE(shell::Update_Read_Back);
    EXPECT_TRUE(hosts.empty());
    EXPECT_FALSE(fs::exists(dir + "/Ethernet_Update.xml"));
    EXPECT_TRUE(ui.Boxes().empty());
}

TEST_F(BootWindow, DotMovesToTheNextNumberAndIsNeverTyped) {
    test::TScriptedUi ui;
    ui.OnModal([&](TForm&) {
        dlg->E_IP1->SetText("");
        dlg->E_IP2->SetText("");
        dlg->E_IP4->SetText("");
        dlg->E_IP1->SetFocus();
        test::TypeText(*dlg->E_IP1, "12.");
        EXPECT_EQ(dlg->E_IP1->Text(), "12");
        EXPECT_EQ(dlg->ActiveControl(), dlg->E_IP2);
        test::TypeText(*dlg->E_IP2, "x5");  // nothing else is filtered
        EXPECT_EQ(dlg->E_IP2->Text(), "x5");
        dlg->E_IP4->SetFocus();
        test::TypeText(*dlg->E_IP4, "7.");
        EXPECT_EQ(dlg->E_IP4->Text(), "7");
        EXPECT_EQ(dlg->ActiveControl(), dlg->E_IP4);
        return mrCancel;
    });
    dlg->ShowModal();
}

// A pasted address fills the four numbers as typing it does; an address
// with more numbers than are left, or with a line break inside, is refused
// whole with the warning sound.
TEST_F(BootWindow, PastedAddressFillsTheNumbersAsTyped) {
    const struct {
        const char* name;
        int into;  // 0 to 3: E_IP1 to E_IP4
        const char* clip;
        std::vector<std::string> numbers;  // after the paste
    } cases[] = {
        {"whole address", 0, "192.168.10.20\n", {"192", "168", "10", "20"}},
        {"the last two numbers", 2, "7.8", {"1", "2", "7", "8"}},
        {"one number", 3, "99", {"1", "2", "3", "99"}},
        {"too many numbers for what is left", 2, "7.8.9", {"1", "2", "3", "4"}},
        {"two lines", 0, "10\n20", {"1", "2", "3", "4"}},
    };
    for (const auto& c : cases) {
        test::TScriptedUi ui;
        std::vector<std::string> numbers;
        int beeps = 0;
        ui.OnModal([&](TForm&) {
            TEdit* edits[] = {dlg->E_IP1, dlg->E_IP2, dlg->E_IP3, dlg->E_IP4};
            for (int i = 0; i < 4; ++i) edits[i]->SetText(std::to_string(i + 1));
            edits[c.into]->SetFocus();
            test::ProcessEvents();
            edits[c.into]->SelectAll();
            Clipboard().SetAsText(c.clip);
            const int before = test::BeepCount();
            test::SendKey(*edits[c.into], VK_INSERT, ssShift);
            beeps = test::BeepCount() - before;
            for (TEdit* e : edits) numbers.push_back(e->Text());
            return mrCancel;
        });
        dlg->ShowModal();
        EXPECT_EQ(numbers, c.numbers) << c.name;
        const bool refused = std::string(c.name).find("too many") == 0 || std::string(c.name) == "two lines";
        EXPECT_EQ(beeps, refused ? 1 : 0) << c.name;
    }
}

// The remembered address typed over in one go: each "." selects the next
// octet's old text, so the digits replace it instead of joining it.
TEST_F(BootWindow, AddressTypedInOneGoReplacesTheRememberedOne) {
    test::TScriptedUi ui;
    std::vector<std::string> typed;
    ui.OnModal([&](TForm&) {
        test::ProcessEvents();
        dlg->E_IP1->SetFocus();
        dlg->E_IP1->SelectAll();
        for (char ch : std::string("10.1.2.7")) {
            TWinControl* active = dlg->ActiveControl();
            if (active == nullptr) break;
            test::TypeText(*active, std::string(1, ch));
        }
        for (TEdit* e : {dlg->E_IP1, dlg->E_IP2, dlg->E_IP3, dlg->E_IP4}) typed.push_back(e->Text());
        return mrCancel;
    });
    dlg->ShowModal();
    EXPECT_EQ(typed, (std::vector<std::string>{"10", "1", "2", "7"}));
}

// A reflex Enter on opening must not start an update to the remembered
// address: the focus starts in the first number of the address.
TEST_F(BootWindow, OpensWithTheFocusInTheFirstAddressNumber) {
    test::TScriptedUi ui;
    TWinControl* active = nullptr;
    bool buttonFocused = true;
    ui.OnModal([&](TForm&) {
        test::ProcessEvents();
        active = dlg->ActiveControl();
        buttonFocused = dynamic_cast<TWinControl&>(*dlg->Btn_Update).Focused();
        return mrCancel;
    });
    dlg->ShowModal();
    EXPECT_EQ(active, dlg->E_IP1);
    EXPECT_FALSE(buttonFocused);
}

// Without the firmware file in MASTER the updater would start and fail:
// the user is warned first and may stop; the configuration alone needs no
// firmware.
TEST_F(BootWindow, MissingFirmwareIsSaidBeforeTheUpdateStarts) {
    InstallUpdater();
    FakeEcho(TPingStatus::Reply);
    fs::remove(shell::Master_Dir + "/Sim4A902.sim");
    const struct {
        int option;
        TModalResult answer;
        size_t boxes;
        bool started;
    } cases[] = {{0, mrNo, 1, false}, {1, mrYes, 2, true}, {2, mrNone, 1, true}};  // a started update ends with "done"
    for (const auto& c : cases) {
        fs::remove(dir + "/args.txt");
        hosts.clear();
        test::TScriptedUi ui;
        if (c.answer != mrNone) ui.AnswerBox(c.answer);
        RunUpdate({"10", "0", "0", "1"}, c.option, false, ui);
        ASSERT_EQ(ui.Boxes().size(), c.boxes) << c.option;
        if (c.answer != mrNone) {
            EXPECT_EQ(ui.Boxes()[0].Type, mtWarning) << c.option;
            EXPECT_NE(ui.Boxes()[0].Text.find(shell::Master_Dir + "/Sim4A902.sim"), std::string::npos)
                << ui.Boxes()[0].Text;
        }
        EXPECT_EQ(fs::exists(dir + "/args.txt"), c.started) << c.option;
        EXPECT_EQ(hosts.empty(), !c.started) << c.option;
    }
}

// An updater that ends with an error code is reported as an error.
TEST_F(BootWindow, UpdaterErrorCodeIsShown) {
    InstallUpdater("exit 5\n");
    FakeEcho(TPingStatus::Reply);
    test::TScriptedUi ui;
    RunUpdate({"10", "0", "0", "1"}, 2, false, ui);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].Type, mtError);
    EXPECT_EQ(ui.Boxes()[0].Text, "Error!!! The updater ended with the error code 5");
}

// While the updater runs, the dialog goes on painting (a timer of the
// program ticks), shows the wait cursor and a line saying what it waits
// for, and takes no input: a click on Cancel or a key does nothing. After
// it, the dialog says how the update ended.
TEST_F(BootWindow, UpdaterRunsWithTheWindowAliveAndItsEndIsSaid) {
    FakeEcho(TPingStatus::Reply);
    const struct {
        const char* name;
        const char* body;
        int limitMs;
        gw::TBootStatus status;
        TMsgDlgType type;
        const char* text;
    } cases[] = {
        {"done", "sleep 0.4\n", 20000, gw::TBootStatus::UpdaterEnded, mtInformation,
         "The update of the device is done."},
        {"failed", "sleep 0.4\nexit 7\n", 20000, gw::TBootStatus::UpdaterFailed, mtError,
         "Error!!! The updater ended with the error code 7"},
        // Last: the stand-in outlives the test's wait and goes on alone.
        {"still running", "sleep 3\n", 1000, gw::TBootStatus::UpdaterTimedOut, mtWarning,
         "The updater is still running after 1 seconds. It goes on by itself: wait until it has ended before "
         "you switch the device off."},
    };
    for (const auto& c : cases) {
        const std::string started = dir + "/started.txt";
        fs::remove(started);
        InstallUpdater(std::string("touch \"$(dirname \"$0\")/started.txt\"\n") + c.body);
        dlg->Services.updaterLimitMs = c.limitMs;

        bool seen = false;
        TCursor cursor = crDefault;
        std::string status, address;
        TModalResult afterCancel = mrNone;
        TTimer probe(nullptr);
        probe.SetInterval(50);
        probe.OnTimer = [&](TObject*) {
            if (seen || !fs::exists(started)) return;
            seen = true;
            cursor = Screen->Cursor();
            status = dlg->L_Status->Caption();
            test::ClickAt(*dlg->Btn_Cancel);
            afterCancel = dlg->ModalResult();
            test::TypeText(*dlg->E_IP4, "9");
            address = dlg->E_IP4->Text();
        };
        test::TScriptedUi ui;
        std::string statusAfter = "?";
        ui.OnModal([&](TForm&) {
            dlg->E_IP4->SetText("1");
            test::ClickAt(*dlg->Btn_Update);
            statusAfter = dlg->L_Status->Caption();
            return mrCancel;
        });
        dlg->ShowModal();
        probe.SetEnabled(false);

        ASSERT_TRUE(seen) << c.name << ": nothing ran while the updater ran";
        EXPECT_EQ(cursor, crHourGlass) << c.name;
        EXPECT_EQ(status, "Updating the device...") << c.name;
        EXPECT_EQ(afterCancel, mrNone) << c.name;
        EXPECT_EQ(address, "1") << c.name;
        EXPECT_EQ(statusAfter, "") << c.name;
        EXPECT_EQ(Screen->Cursor(), crDefault) << c.name;
        EXPECT_EQ(dlg->Last_Outcome().status, c.status) << c.name;
        ASSERT_EQ(ui.Boxes().size(), 1u) << c.name;
        EXPECT_EQ(ui.Boxes()[0].Type, c.type) << c.name;
        EXPECT_EQ(ui.Boxes()[0].Text, c.text) << c.name;
    }
}

TEST_F(BootWindow, DeviceFoundWritesParameterFileAndRunsTheUpdater) {
    InstallUpdater();
    FakeEcho(TPingStatus::Reply);
    const struct {
        int option;
        bool readBack;
        std::vector<std::string> files;   // Ope_FileName of each operation
        std::vector<std::string> starts;  // Ope_Start_Address
        std::vector<std::string> banks;   // Ope_Bank_Type
        std::vector<std::string> css;     // Ope_Write_CSS
        std::vector<std::string> appAfter;  // Ope_GoToApp_After
    } cases[] = {
        {0, true, {"/Sim4A902.sim", "/bin/bank1.bin", "/bin/bank2.bin"}, {"0x8000", "0x07000", "0x80000"},
         {"1", "2", "2"}, {"1", "0", "0"}, {"0", "0", "1"}},
        {1, false, {"/Sim4A902.sim"}, {"0x8000"}, {"1"}, {"1"}, {"1"}},
        {2, false, {"/bin/bank1.bin", "/bin/bank2.bin"}, {"0x07000", "0x80000"}, {"2", "2"}, {"0", "0"},
         {"0", "1"}},
    };
    for (const auto& c : cases) {
        fs::remove(dir + "/seen.xml");
        fs::remove(dir + "/args.txt");
        hosts.clear();
        test::TScriptedUi ui;
        RunUpdate({"127", "0", "0", "9"}, c.option, c.readBack, ui);
        const std::string label = "option " + std::to_string(c.option);

        ASSERT_EQ(ui.Boxes().size(), 1u) << label;
        EXPECT_EQ(ui.Boxes()[0].Type, mtInformation) << label;
        EXPECT_EQ(ui.Boxes()[0].Text, "The update of the device is done.") << label;
        EXPECT_EQ(dlg->Last_Outcome().status, gw::TBootStatus::UpdaterEnded) << label;
        // Two replies are enough.
        EXPECT_EQ(hosts, (std::vector<std::string>{"127.0.0.9", "127.0.0.9"})) << label;
        EXPECT_EQ(ReadFile(dir + "/args.txt"), "0:\n") << label;
        EXPECT_EQ(shell::Last_IP_Address, "127.0.0.9") << label;
        EXPECT_EQ(shell::Update_Option_Index, c.option) << label;
        EXPECT_EQ(shell::Update_Read_Back, c.readBack) << label;

        TXmlDocument doc;
        ASSERT_TRUE(doc.LoadFromFile(dir + "/seen.xml")) << label;
        const TXmlNode root = doc.Root();
        EXPECT_EQ(root.Name(), "Ethernet_Update");
        EXPECT_EQ(root.FindNode("IP_Address_Dev").Text(), "127.0.0.9") << label;
        EXPECT_EQ(root.FindNode("Protections").FindNode("Protection").Text(), "0x6D1") << label;
        const TXmlNode ops = root.FindNode("Operations");
        ASSERT_EQ(ops.ChildCount(), static_cast<int>(c.files.size())) << label;
        for (int i = 0; i < ops.ChildCount(); ++i) {
            const TXmlNode op = ops.Child(i);
            const size_t k = static_cast<size_t>(i);
            const std::string base = c.files[k] == "/Sim4A902.sim" ? shell::Master_Dir : shell::Conf_Path;
            EXPECT_EQ(fs::path(op.FindNode("Ope_FileName").Text()), fs::path(base + c.files[k])) << label;
            EXPECT_EQ(op.FindNode("Ope_Start_Address").Text(), c.starts[k]) << label;
            EXPECT_EQ(op.FindNode("Ope_Bank_Type").Text(), c.banks[k]) << label;
            EXPECT_EQ(op.FindNode("Ope_Write_CSS").Text(), c.css[k]) << label;
            EXPECT_EQ(op.FindNode("Ope_GoToApp_After").Text(), c.appAfter[k]) << label;
            EXPECT_EQ(op.FindNode("Ope_Read_Back").Text(), c.readBack ? "1" : "0") << label;
            EXPECT_EQ(op.ChildCount(), 20) << label;
        }
    }
}

TEST_F(BootWindow, FailedCheckShowsItsTextAndRemembersNothing) {
    InstallUpdater();
    const struct {
        const char* name;
        TPingStatus status;
        const char* text;
        TMsgDlgType type;
    } cases[] = {
        {"no reply", TPingStatus::TimedOut, "Device Not Found!", mtWarning},
        {"bad address", TPingStatus::BadAddress, "Error!!! Check the Ip Address", mtError},
        {"echo refused", TPingStatus::NotPermitted, "Error!!! Check the Ip Address", mtError},
    };
    for (const auto& c : cases) {
        shell::Last_IP_Address = "192.168.2.205";
        now = 0;
        hosts.clear();
        FakeEcho(c.status);
        test::TScriptedUi ui;
        RunUpdate({"10", "0", "0", "1"}, 1, false, ui);
        ASSERT_EQ(ui.Boxes().size(), 1u) << c.name;
        EXPECT_EQ(ui.Boxes()[0].Text, c.text) << c.name;
        EXPECT_EQ(ui.Boxes()[0].Type, c.type) << c.name;
        EXPECT_EQ(shell::Last_IP_Address, "192.168.2.205") << c.name;
        EXPECT_EQ(shell::Update_Option_Index, 0) << c.name;
        EXPECT_FALSE(fs::exists(dir + "/Ethernet_Update.xml")) << c.name;
        EXPECT_FALSE(fs::exists(dir + "/args.txt")) << c.name;
        EXPECT_TRUE(dlg->Btn_Update->Enabled()) << c.name;
    }
    // Unanswered requests go on until more than 5 s have passed.
    FakeEcho(TPingStatus::TimedOut);
    now = 0;
    hosts.clear();
    test::TScriptedUi ui;
    RunUpdate({"10", "0", "0", "1"}, 1, false, ui);
    EXPECT_GT(hosts.size(), 12u);
    EXPECT_EQ(ui.Boxes().at(0).Text, "Device Not Found!");
}

TEST_F(BootWindow, MissingOrBrokenUpdaterIsReportedAsAnError) {
    FakeEcho(TPingStatus::Reply);
    const struct {
        const char* name;
        bool install;
        bool executable;
    } cases[] = {
        {"missing", false, false},
        {"not executable", true, false},
    };
    for (const auto& c : cases) {
        fs::remove(dir + "/Ethernet_Update.exe");
        if (c.install) {
            InstallUpdater();
            if (!c.executable) ::chmod((dir + "/Ethernet_Update.exe").c_str(), 0644);
        }
        test::TScriptedUi ui;
        RunUpdate({"127", "0", "0", "1"}, 0, true, ui);
        EXPECT_EQ(dlg->Last_Outcome().status, gw::TBootStatus::UpdaterNotStarted) << c.name;
        ASSERT_EQ(ui.Boxes().size(), 1u) << c.name;
        EXPECT_EQ(ui.Boxes()[0].Type, mtError) << c.name;
        EXPECT_NE(ui.Boxes()[0].Text.find("Ethernet_Update"), std::string::npos) << c.name;
    }
}

TEST_F(BootWindow, UpdateCannotStartAgainWhileTheCheckRuns) {
    InstallUpdater();
    FakeEcho(TPingStatus::Reply);
    int nested = 0;
    bool enabledDuring = true;
    gw::TBootStatus inner = gw::TBootStatus::Nothing;
    // The second press arrives while the window handles its messages between
    // two echo requests.
    dlg->Services.pause = [&](int) {
        if (nested++ > 0) return;
        enabledDuring = dlg->Btn_Update->Enabled();
        dlg->Btn_Update->OnClick(dlg->Btn_Update);
        inner = dlg->Last_Outcome().status;
    };
    test::TScriptedUi ui;
    RunUpdate({"127", "0", "0", "1"}, 0, true, ui);
    EXPECT_FALSE(enabledDuring);
    EXPECT_EQ(inner, gw::TBootStatus::Busy);
    EXPECT_EQ(dlg->Last_Outcome().status, gw::TBootStatus::UpdaterEnded);
    EXPECT_EQ(hosts.size(), 2u);
    EXPECT_TRUE(dlg->Btn_Update->Enabled());
}

TEST_F(BootWindow, RealEchoOnLoopbackReachesTheUpdater) {
    const TPingResult probe = PingOnce("127.0.0.1", 400, 1024);
    if (probe.status != TPingStatus::Reply) GTEST_SKIP() << "no ICMP echo here: " << probe.error;
    InstallUpdater();
    {
        test::TScriptedUi ui;
        RunUpdate({"127", "0", "0", "1"}, 2, true, ui);
        ASSERT_EQ(ui.Boxes().size(), 1u);
        EXPECT_EQ(ui.Boxes()[0].Text, "The update of the device is done.");
    }
    EXPECT_EQ(dlg->Last_Outcome().status, gw::TBootStatus::UpdaterEnded);
    EXPECT_TRUE(fs::exists(dir + "/seen.xml"));

    // A fourth part that is no number cannot be resolved.
    test::TScriptedUi ui2;
    RunUpdate({"127", "0", "0", "x"}, 2, true, ui2);
    ASSERT_EQ(ui2.Boxes().size(), 1u);
    EXPECT_EQ(ui2.Boxes()[0].Text, "Error!!! Check the Ip Address");
}

}  // namespace
