#include "gateway/BootUpdate.h"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "gateway/EthernetUpdateFile.h"
#include "shell/Comon.h"
#include "shell/Language.h"

namespace {

namespace fs = std::filesystem;
using plat::TPingStatus;

// A network and a clock that only move when the code under test asks: each
// echo takes the time given with its answer, each pause its milliseconds.
struct FakeNet {
    struct Echo {
        TPingStatus status;
        int takesMs;
    };
    std::vector<Echo> script;  // the last entry repeats
    long long now = 1000;
    std::vector<std::string> hosts;
    std::vector<long long> sentAt;
    int pauses = 0;

    gw::TEchoServices Services() {
        gw::TEchoServices s;
        s.ping = [this](const std::string& host, int timeoutMs, int dataSize) {
            EXPECT_EQ(timeoutMs, 400);
            EXPECT_EQ(dataSize, 1024);
            hosts.push_back(host);
            sentAt.push_back(now);
            const Echo e = script[std::min(sentAt.size(), script.size()) - 1];
            now += e.takesMs;
            plat::TPingResult r;
            r.status = e.status;
            if (e.status == TPingStatus::BadAddress) r.error = "not an address";
            return r;
        };
        s.clock = [this] { return now; };
        s.pause = [this](int ms) {
            ++pauses;
            now += ms;
        };
        return s;
    }
};

constexpr FakeNet::Echo Reply{TPingStatus::Reply, 3};
constexpr FakeNet::Echo Lost{TPingStatus::TimedOut, 400};
constexpr FakeNet::Echo Slow{TPingStatus::TimedOut, 490};  // 500 ms with the pause

TEST(SendPing, StopsAtTwoRepliesOrAfterFiveSeconds) {
    const struct {
        const char* name;
        std::vector<FakeNet::Echo> script;
        bool present;
        int pingRes;
        int requests;
        int replies;
    } cases[] = {
        {"answers at once", {Reply}, true, gw::Ping_Reply, 2, 2},
        // 410 ms per lost echo: the 13th starts at 4920 ms, the 14th would
        // start at 5330 ms, past the limit.
        {"never answers", {Lost}, false, gw::Ping_No_Data, 13, 0},
        {"one lost between two replies", {Reply, Lost, Reply}, true, gw::Ping_Reply, 3, 2},
        {"answered once, then silent", {Reply, Lost}, false, gw::Ping_No_Data, 14, 1},
        // Ten echoes of 500 ms reach exactly 5000 ms; the eleventh is answered
        // and the limit is past: one reply is enough when it was the last.
        {"silent, last request answered",
         {Slow, Slow, Slow, Slow, Slow, Slow, Slow, Slow, Slow, Slow, Reply},
         true,
         gw::Ping_Reply,
         11,
         1},
        {"answered late, twice",
         {Lost, Lost, Lost, Lost, Lost, Lost, Lost, Lost, Lost, Lost, Lost, Lost, Reply},
         true,
         gw::Ping_Reply,
         14,
         2},
        // 500 ms per echo: at exactly 5000 ms another request still goes out.
        {"limit is more than 5000 ms", {Slow}, false, gw::Ping_No_Data, 11, 0},
    };
    for (const auto& c : cases) {
        FakeNet net;
        net.script = c.script;
        const gw::TEchoOutcome out = gw::Send_Ping("192.168.2.205", net.Services());
        EXPECT_EQ(out.present, c.present) << c.name;
        EXPECT_EQ(out.pingRes, c.pingRes) << c.name;
        EXPECT_EQ(out.requests, c.requests) << c.name;
        EXPECT_EQ(out.replies, c.replies) << c.name;
        EXPECT_FALSE(out.clientFailed) << c.name;
        // Every request lets the window handle its messages once.
        EXPECT_EQ(net.pauses, c.requests) << c.name;
        EXPECT_LE(net.sentAt.back() - net.sentAt.front(), 5000) << c.name;
    }
}

TEST(SendPing, AClientFailureEndsTheCheckAtOnce) {
    for (TPingStatus failure : {TPingStatus::BadAddress, TPingStatus::NotPermitted, TPingStatus::Error}) {
        FakeNet net;
        net.script = {Reply, {failure, 0}};
        const gw::TEchoOutcome out = gw::Send_Ping("1.2.3.x", net.Services());
        EXPECT_FALSE(out.present);
        EXPECT_TRUE(out.clientFailed);
        EXPECT_EQ(out.requests, 2);
    }
}

// Program state the update road reads and writes, put back after each test.
class BootUpdateTest : public ::testing::Test {
protected:
    void SetUp() override {
        shell::Load_Default_Texts();
        saved_ = {shell::Exe_Dir, shell::Master_Dir, shell::Conf_Path, shell::Last_IP_Address};
        savedOption_ = shell::Update_Option_Index;
        savedReadBack_ = shell::Update_Read_Back;
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::path(VASTRIMO_TEST_OUT) / "boot-update" / info->name();
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        shell::Exe_Dir = dir_.string();
        shell::Master_Dir = (dir_ / "MASTER").string();
        shell::Conf_Path = (dir_ / "PROJECTS" / "Plant").string();
        shell::Last_IP_Address = "192.168.2.205";
        shell::Update_Option_Index = 0;
        shell::Update_Read_Back = true;
    }
    void TearDown() override {
        shell::Exe_Dir = saved_[0];
        shell::Master_Dir = saved_[1];
        shell::Conf_Path = saved_[2];
        shell::Last_IP_Address = saved_[3];
        shell::Update_Option_Index = savedOption_;
        shell::Update_Read_Back = savedReadBack_;
    }

    gw::TBootServices Services(FakeNet& net) {
        gw::TBootServices s;
        static_cast<gw::TEchoServices&>(s) = net.Services();
        s.start = [this](const std::string& program, const std::string& parameter, bool hidden) {
            started_.push_back(program);
            return shell::Start_Program(program, parameter, hidden, 20000);
        };
        return s;
    }

    // A stand-in updater: records its arguments, and keeps the parameter file
    // it finds beside itself, to show the file was complete before it ran.
    void WriteUpdater(const std::string& body = "exit 0") {
        const fs::path path = dir_ / gw::Updater_File_Name;
        std::ofstream out(path);
        out << "#!/bin/sh\n"
               "here=$(dirname \"$0\")\n"
               "echo \"$#:$*\" > \"$here/args.txt\"\n"
               "cp \"$here/Ethernet_Update.xml\" \"$here/seen.xml\"\n"
            << body << "\n";
        out.close();
        ::chmod(path.c_str(), 0755);
    }

    static std::string ReadAll(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

    static gw::TBootInput Input(const char* a, const char* b, const char* c, const char* d,
                                int option = gw::Update_Configuration, bool readBack = false) {
        gw::TBootInput in;
        in.formType = gw::Boot_Ethernet;
        in.ip1 = a;
        in.ip2 = b;
        in.ip3 = c;
        in.ip4 = d;
        in.option = option;
        in.readBack = readBack;
        return in;
    }

    fs::path dir_;
    std::vector<std::string> started_;

private:
    std::vector<std::string> saved_;
    int savedOption_ = 0;
    bool savedReadBack_ = true;
};

TEST_F(BootUpdateTest, PresentDeviceWritesTheFileThenRunsTheUpdaterWithoutArguments) {
    WriteUpdater();
    FakeNet net;
    net.script = {Reply};
    gw::TBootUpdate update(Services(net));
    const gw::TBootOutcome out = update.Btn_UpdateClick(Input("10", "0", "0", "7"));

    EXPECT_EQ(out.status, gw::TBootStatus::UpdaterEnded) << gw::BootMessage(out);
    EXPECT_EQ(out.updater.exitCode, 0);
    EXPECT_FALSE(out.IsError());
    EXPECT_TRUE(out.IsInformation());
    EXPECT_EQ(net.hosts.front(), "10.0.0.7");
    ASSERT_EQ(started_.size(), 1u);
    EXPECT_EQ(started_[0], (dir_ / "Ethernet_Update.exe").string());
    EXPECT_EQ(ReadAll(dir_ / "args.txt"), "0:\n");

    gw::TEthernetUpdateParams want;
    want.ipAddress = "10.0.0.7";
    want.option = gw::Update_Configuration;
    want.readBack = false;
    want.masterDir = shell::Master_Dir;
    want.confPath = shell::Conf_Path;
    EXPECT_EQ(ReadAll(dir_ / "seen.xml"), gw::EthernetUpdateToXml(want));

    EXPECT_EQ(shell::Last_IP_Address, "10.0.0.7");
    EXPECT_EQ(shell::Update_Option_Index, gw::Update_Configuration);
    EXPECT_FALSE(shell::Update_Read_Back);
    EXPECT_FALSE(update.Busy());
}

TEST_F(BootUpdateTest, MissingOrBrokenUpdaterIsAnErrorNotASuccess) {
    const struct {
        const char* name;
        bool write;
        bool executable;
    } cases[] = {
        {"missing", false, false},
        {"not executable", true, false},
    };
    for (const auto& c : cases) {
        fs::remove(dir_ / gw::Updater_File_Name);
        if (c.write) {
            WriteUpdater();
            if (!c.executable) ::chmod((dir_ / gw::Updater_File_Name).c_str(), 0644);
        }
        FakeNet net;
        net.script = {Reply};
        gw::TBootUpdate update(Services(net));
        const gw::TBootOutcome out = update.Btn_UpdateClick(Input("10", "0", "0", "9"));
        EXPECT_EQ(out.status, gw::TBootStatus::UpdaterNotStarted) << c.name;
        EXPECT_TRUE(out.IsError()) << c.name;
        const std::string message = gw::BootMessage(out);
        EXPECT_NE(message.find("Ethernet_Update.exe"), std::string::npos) << c.name << ": " << message;
        // The choices were made on a present device; they stay remembered
        // and the parameter file stays for a retry.
        EXPECT_EQ(shell::Last_IP_Address, "10.0.0.9") << c.name;
        EXPECT_TRUE(fs::exists(dir_ / gw::Ethernet_Update_File_Name)) << c.name;
    }
}

TEST_F(BootUpdateTest, FailedCheckRemembersWritesAndStartsNothing) {
    const struct {
        const char* name;
        std::vector<FakeNet::Echo> script;
        gw::TBootStatus status;
        int text;
        const char* message;
    } cases[] = {
        {"no reply", {Lost}, gw::TBootStatus::DeviceNotFound, 1636, "Device Not Found!"},
        {"reply then silence", {Reply, Lost}, gw::TBootStatus::DeviceNotFound, 1636, "Device Not Found!"},
        {"bad address",
         {{TPingStatus::BadAddress, 0}},
         gw::TBootStatus::CheckAddress,
         1637,
         "Error!!! Check the Ip Address"},
        {"reply then network error",
         {Reply, {TPingStatus::Error, 0}},
         gw::TBootStatus::CheckAddress,
         1637,
         "Error!!! Check the Ip Address"},
    };
    for (const auto& c : cases) {
        WriteUpdater();
        FakeNet net;
        net.script = c.script;
        gw::TBootUpdate update(Services(net));
        const gw::TBootOutcome out = update.Btn_UpdateClick(Input("10", "0", "0", "x", 1, false));
        EXPECT_EQ(out.status, c.status) << c.name;
        EXPECT_EQ(out.text, gw::CheckFailed(c.text)) << c.name;
        EXPECT_EQ(gw::BootMessage(out), c.message) << c.name;
        EXPECT_EQ(out.IsWarning(), c.text == 1636) << c.name;
        EXPECT_EQ(out.IsError(), c.text == 1637) << c.name;
        EXPECT_TRUE(started_.empty()) << c.name;
        EXPECT_FALSE(fs::exists(dir_ / gw::Ethernet_Update_File_Name)) << c.name;
        EXPECT_EQ(shell::Last_IP_Address, "192.168.2.205") << c.name;
        EXPECT_EQ(shell::Update_Option_Index, 0) << c.name;
        EXPECT_TRUE(shell::Update_Read_Back) << c.name;
    }
}

TEST_F(BootUpdateTest, UnwritableParameterFileStopsBeforeTheUpdater) {
    WriteUpdater();
    // A folder where the file should be: it cannot be replaced.
    fs::create_directories(dir_ / gw::Ethernet_Update_File_Name / "inside");
    FakeNet net;
    net.script = {Reply};
    gw::TBootUpdate update(Services(net));
    const gw::TBootOutcome out = update.Btn_UpdateClick(Input("10", "0", "0", "7"));
    EXPECT_EQ(out.status, gw::TBootStatus::FileNotWritten);
    EXPECT_TRUE(out.IsError());
    EXPECT_FALSE(gw::BootMessage(out).empty());
    EXPECT_TRUE(started_.empty());
}

// The exit code is all the dialog learns of a failed transfer: any code
// but 0 is said, with the code.
TEST_F(BootUpdateTest, UpdaterEndingWithAnErrorCodeIsReported) {
    shell::Load_Default_Texts();
    const struct {
        const char* body;
        gw::TBootStatus status;
        const char* message;
    } cases[] = {
        {"exit 0", gw::TBootStatus::UpdaterEnded, "The update of the device is done."},
        {"exit 3", gw::TBootStatus::UpdaterFailed, "Error!!! The updater ended with the error code 3"},
    };
    for (const auto& c : cases) {
        WriteUpdater(c.body);
        FakeNet net;
        net.script = {Reply};
        gw::TBootUpdate update(Services(net));
        const gw::TBootOutcome out = update.Btn_UpdateClick(Input("10", "0", "0", "7"));
        EXPECT_EQ(out.status, c.status) << c.body;
        EXPECT_EQ(out.IsError(), c.status == gw::TBootStatus::UpdaterFailed) << c.body;
        EXPECT_EQ(gw::BootMessage(out), c.message) << c.body;
    }
}

// Only the options that send the firmware need its file in MASTER.
TEST_F(BootUpdateTest, MissingFirmwareIsNamedForTheOptionsThatSendIt) {
    const std::string firmware = (dir_ / "MASTER" / gw::Firmware_File_Name).string();
    EXPECT_EQ(gw::Missing_Firmware(gw::Update_Firmware_And_Configuration), firmware);
    EXPECT_EQ(gw::Missing_Firmware(gw::Update_Firmware), firmware);
    EXPECT_EQ(gw::Missing_Firmware(gw::Update_Configuration), "");
    fs::create_directories(dir_ / "MASTER");
    std::ofstream(firmware) << "image";
    EXPECT_EQ(gw::Missing_Firmware(gw::Update_Firmware), "");
}

TEST_F(BootUpdateTest, UpdaterStillRunningAtTheLimitIsNoError) {
    // The updater reports its own progress and faults; a long transfer
    // only means the dialog stopped waiting for it.
    FakeNet net;
    net.script = {Reply};
    gw::TBootServices services = Services(net);
    services.start = [](const std::string&, const std::string&, bool) {
        shell::TStartResult r;
        r.outcome = shell::TStartOutcome::TimedOut;
        return r;
    };
    gw::TBootUpdate update(services);
    const gw::TBootOutcome out = update.Btn_UpdateClick(Input("10", "0", "0", "7"));
    EXPECT_EQ(out.status, gw::TBootStatus::UpdaterTimedOut);
    EXPECT_FALSE(out.IsError());
    // Said as a warning: the device may still be being written.
    EXPECT_TRUE(out.IsWarning());
    EXPECT_EQ(gw::BootMessage(out),
              "The updater is still running after 150 seconds. It goes on by itself: wait until it has ended "
              "before you switch the device off.");
    EXPECT_FALSE(update.Busy());
}

TEST_F(BootUpdateTest, SecondPressDuringTheCheckIsRefused) {
    WriteUpdater();
    FakeNet net;
    net.script = {Lost, Reply};
    gw::TEchoServices echo = net.Services();
    gw::TBootServices services = Services(net);
    gw::TBootUpdate* self = nullptr;
    std::vector<gw::TBootStatus> nested;
    // The user presses the button again while the window handles messages
    // between two echoes.
    services.pause = [&](int ms) {
        echo.pause(ms);
        nested.push_back(self->Btn_UpdateClick(Input("10", "0", "0", "8")).status);
        EXPECT_TRUE(self->Busy());
    };
    gw::TBootUpdate update(services);
    self = &update;
    const gw::TBootOutcome out = update.Btn_UpdateClick(Input("10", "0", "0", "7"));
    EXPECT_EQ(out.status, gw::TBootStatus::UpdaterEnded);
    ASSERT_EQ(nested.size(), 3u);
    for (gw::TBootStatus s : nested) EXPECT_EQ(s, gw::TBootStatus::Busy);
    EXPECT_EQ(net.hosts, (std::vector<std::string>{"10.0.0.7", "10.0.0.7", "10.0.0.7"}));
    EXPECT_EQ(started_.size(), 1u);
    EXPECT_FALSE(update.Busy());

    // Over, the button works again.
    net.script = {Reply};
    net.sentAt.clear();
    services.pause = echo.pause;
    EXPECT_EQ(update.Btn_UpdateClick(Input("10", "0", "0", "7")).status, gw::TBootStatus::UpdaterEnded);
}

TEST_F(BootUpdateTest, OtherLayoutsSendNothing) {
    FakeNet net;
    net.script = {Reply};
    gw::TBootUpdate update(Services(net));

    gw::TBootInput serial = Input("10", "0", "0", "7", gw::Update_Firmware, false);
    serial.formType = gw::Boot_Serial;
    EXPECT_EQ(update.Btn_UpdateClick(serial).status, gw::TBootStatus::OptionsStored);
    EXPECT_EQ(shell::Update_Option_Index, gw::Update_Firmware);
    EXPECT_FALSE(shell::Update_Read_Back);

    gw::TBootInput usb = Input("10", "0", "0", "7", gw::Update_Configuration, true);
    usb.formType = gw::Boot_USB;
    EXPECT_EQ(update.Btn_UpdateClick(usb).status, gw::TBootStatus::Nothing);
    EXPECT_EQ(shell::Update_Option_Index, gw::Update_Firmware);

    EXPECT_TRUE(net.hosts.empty());
    EXPECT_TRUE(started_.empty());
    EXPECT_EQ(shell::Last_IP_Address, "192.168.2.205");
}

TEST_F(BootUpdateTest, ShowingRestoresTheLastChoices) {
    const struct {
        const char* stored;
        const char* ip4;
    } cases[] = {
        {"10.1.2.3", "3"},   {" 10 . 1 . 2 . 4 ", "4"},
        {"10.1.2.300", "0"},  // not an address: the edits keep what they hold
        {"10.1.2", "0"},     {"", "0"},
    };
    for (const auto& c : cases) {
        shell::Last_IP_Address = c.stored;
        shell::Update_Option_Index = gw::Update_Firmware;
        shell::Update_Read_Back = false;
        gw::TBootInput in = Input("0", "0", "0", "0", 0, true);
        gw::Restore_Boot_Input(in);
        EXPECT_EQ(in.ip4, c.ip4) << c.stored;
        EXPECT_EQ(in.ip1, std::string(c.ip4) == "0" ? "0" : "10") << c.stored;
        EXPECT_EQ(in.option, gw::Update_Firmware) << c.stored;
        EXPECT_FALSE(in.readBack) << c.stored;
    }
}

}  // namespace
