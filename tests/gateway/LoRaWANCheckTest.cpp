#include "gateway/LoRaWANCheck.h"

#include <functional>

#include <gtest/gtest.h>

#include "gateway/LoRaWANModel.h"
#include "shell/Language.h"

namespace {

using gw::CheckFailed;
using gw::TCheckResult;
using gw::TDeviceLoRa;
using gw::TRuleLoRa;

TDeviceLoRa AbpDevice() {
    TDeviceLoRa d;
    d.DeviceEUI = "0011223344556677";
    d.JoinEUI = "8899AABBCCDDEEFF";
    d.ActMethod = gw::Act_Meth_SL()[0];
    d.NetSessKey = std::string(32, '1');
    d.AppSessKey = std::string(32, '2');
    d.DevAdd = "26011BDA";
    d.DiagTimeOut = "0";
    return d;
}

TRuleLoRa UpRule() {
    TRuleLoRa r;
    r.Port = "1";
    r.StartBit = "0";
    r.NumBits = "4";
    r.PosBit = "0";
    return r;
}

TRuleLoRa DownRule() {
    TRuleLoRa r;
    r.Port = "2";
    r.StartBit = "0";
    r.NumBits = "4";
    r.PosBit = "100";
    return r;
}

// Two valid devices; device 2 carries one uplink and one downlink rule
// behind a valid first rule, so that messages name device 2, rule 2.
std::vector<TDeviceLoRa> ValidDevices() {
    std::vector<TDeviceLoRa> devices(4);
    devices[0] = AbpDevice();
    devices[1] = AbpDevice();
    devices[1].DeviceEUI = "0011223344556678";
    devices[1].UpLinkRules = {UpRule(), UpRule()};
    devices[1].DownLinkRules = {DownRule(), DownRule()};
    return devices;
}

struct Case {
    const char* name;
    std::function<void(TDeviceLoRa&)> change;  // applied to device 2
    TCheckResult want;
};

void RunCases(const std::vector<Case>& cases) {
    for (const auto& c : cases) {
        auto devices = ValidDevices();
        c.change(devices[1]);
        EXPECT_EQ(gw::Check_Data(devices), c.want) << c.name;
    }
}

TEST(CheckStringHex, LengthThenCharacters) {
    const struct {
        const char* text;
        int numChar;
        int want;
    } cases[] = {
        {"0123456789ABCDEF", 16, 0},
        {"0123456789abcdef", 16, 0},
        {"  0123456789ABCDEF ", 16, 0},
        {"0123456789ABCDE", 16, 1},
        {"0123456789ABCDEF0", 16, 1},
        {"", 16, 1},
        {"0123456789ABCDEG", 16, 2},
        {"0123 56789ABCDEF", 16, 2},
        {"", 0, 0},
        {"0x12", 4, 2},
    };
    for (const auto& c : cases) EXPECT_EQ(gw::CheckStringHex(c.text, c.numChar), c.want) << c.text;
}

TEST(LoRaWANCheck, ValidDevicesPass) {
    EXPECT_TRUE(gw::Check_Data(ValidDevices()).Ok());
    EXPECT_TRUE(gw::Check_Data(std::vector<TDeviceLoRa>(1000)).Ok());
}

TEST(LoRaWANCheck, DeviceFields) {
    RunCases({
        {"device eui length", [](auto& d) { d.DeviceEUI = "001122"; }, CheckFailed(5485, {2})},
        {"device eui character", [](auto& d) { d.DeviceEUI = "001122334455667G"; }, CheckFailed(5486, {2})},
        {"join eui length", [](auto& d) { d.JoinEUI = ""; }, CheckFailed(5487, {2})},
        {"join eui character", [](auto& d) { d.JoinEUI = "8899AABBCCDDEE-F"; }, CheckFailed(5488, {2})},
        {"method blank", [](auto& d) { d.ActMethod = "  "; }, CheckFailed(5489, {2})},
        {"abp network key length", [](auto& d) { d.NetSessKey = "1"; }, CheckFailed(5490, {2})},
        {"abp network key character", [](auto& d) { d.NetSessKey[5] = 'x'; }, CheckFailed(5491, {2})},
        {"abp app session key length", [](auto& d) { d.AppSessKey += "2"; }, CheckFailed(5492, {2})},
        {"abp app session key character", [](auto& d) { d.AppSessKey[0] = 'Z'; }, CheckFailed(5493, {2})},
        {"abp ignores app key", [](auto& d) { d.AppKey = "junk"; }, {}},
        {"otaa app key length", [](auto& d) { d.ActMethod = gw::Act_Meth_SL()[1]; }, CheckFailed(5494, {2})},
        {"otaa app key character",
         [](auto& d) {
             d.ActMethod = gw::Act_Meth_SL()[1];
             d.AppKey = std::string(31, 'A') + ".";
         },
         CheckFailed(5495, {2})},
        {"otaa ignores session keys",
         [](auto& d) {
             d.ActMethod = gw::Act_Meth_SL()[1];
             d.AppKey = std::string(32, 'f');
             d.NetSessKey = d.AppSessKey = "";
         },
         {}},
        {"unknown method asks the app key", [](auto& d) { d.ActMethod = "abp"; }, CheckFailed(5494, {2})},
        {"device address length", [](auto& d) { d.DevAdd = "26011BD"; }, CheckFailed(5496, {2})},
        {"device address character", [](auto& d) { d.DevAdd = "26011BDX"; }, CheckFailed(5514, {2})},
        {"diag timeout blank", [](auto& d) { d.DiagTimeOut = ""; }, CheckFailed(5497, {2})},
        {"diag timeout too big", [](auto& d) { d.DiagTimeOut = "4294967296"; }, CheckFailed(5497, {2})},
        {"diag timeout largest", [](auto& d) { d.DiagTimeOut = "4294967295"; }, {}},
        {"diag timeout negative", [](auto& d) { d.DiagTimeOut = "-1"; }, CheckFailed(5497, {2})},
        {"first fault wins",
         [](auto& d) {
             d.JoinEUI = "1";
             d.DevAdd = "1";
             d.DiagTimeOut = "";
         },
         CheckFailed(5487, {2})},
    });
}

TEST(LoRaWANCheck, UpLinkRules) {
    const auto rule2 = [](std::function<void(TRuleLoRa&)> f) {
        return [f](TDeviceLoRa& d) { f(d.UpLinkRules[1]); };
    };
    RunCases({
        {"port", rule2([](auto& r) { r.Port = "65536"; }), CheckFailed(5498, {2, 2})},
        {"port blank", rule2([](auto& r) { r.Port = ""; }), CheckFailed(5498, {2, 2})},
        {"no test: nothing about it checked",
         rule2([](auto& r) {
             r.LenTest = "x";
             r.ValueTest = "abc";
             r.HexTest = true;
         }),
         {}},
        {"start test not a number", rule2([](auto& r) {
             r.StartTest = "a";
             r.LenTest = "1";
             r.ValueTest = "x";
         }),
         CheckFailed(5499, {2, 2})},
        {"start test 65534",
         rule2([](auto& r) {
             r.StartTest = "65534";
             r.LenTest = "1";
             r.ValueTest = "x";
         }),
         {}},
        {"start test 65535 means none", rule2([](auto& r) {
             r.StartTest = "65535";
             r.LenTest = "1";
             r.ValueTest = "x";
         }),
         CheckFailed(5499, {2, 2})},
        {"len test blank", rule2([](auto& r) { r.StartTest = "0"; }), CheckFailed(5500, {2, 2})},
        {"len test 65535 means none", rule2([](auto& r) {
             r.StartTest = "0";
             r.LenTest = "65535";
         }),
         CheckFailed(5500, {2, 2})},
        {"hex value right",
         rule2([](auto& r) {
             r.StartTest = "0";
             r.LenTest = "4";
             r.HexTest = true;
             r.ValueTest = "0a0B0c0D";
         }),
         {}},
        {"hex value length", rule2([](auto& r) {
             r.StartTest = "0";
             r.LenTest = "4";
             r.HexTest = true;
             r.ValueTest = "0A0B0C0";
         }),
         CheckFailed(5501, {2, 2, 4, 8})},
        {"hex value character", rule2([](auto& r) {
             r.StartTest = "0";
             r.LenTest = "2";
             r.HexTest = true;
             r.ValueTest = "0G0B";
         }),
         CheckFailed(5502, {2, 2})},
        {"text value right",
         rule2([](auto& r) {
             r.StartTest = "0";
             r.LenTest = "3";
             r.ValueTest = "ON ";
         }),
         {}},
        {"text value counted untrimmed", rule2([](auto& r) {
             r.StartTest = "0";
             r.LenTest = "2";
             r.ValueTest = "ON ";
         }),
         CheckFailed(5503, {2, 2, 2})},
        {"text value in characters",
         rule2([](auto& r) {
             r.StartTest = "0";
             r.LenTest = "2";
             r.ValueTest = "\xC3\xA9t";
         }),
         {}},
        {"start byte", rule2([](auto& r) { r.StartBit = "501"; }), CheckFailed(5504, {2, 2})},
        {"number bytes zero", rule2([](auto& r) { r.NumBits = "0"; }), CheckFailed(5505, {2, 2, 1536})},
        {"position byte", rule2([](auto& r) { r.PosBit = "1536"; }), CheckFailed(5506, {2, 2, 1535})},
        {"position plus count 1536",
         rule2([](auto& r) {
             r.PosBit = "1532";
             r.NumBits = "4";
         }),
         {}},
        {"position plus count 1537", rule2([](auto& r) {
             r.PosBit = "1533";
             r.NumBits = "4";
         }),
         CheckFailed(5507, {2, 2, 1536})},
        {"disabled rule not checked",
         rule2([](auto& r) {
             r.Enable = false;
             r.Port = "x";
             r.NumBits = "0";
         }),
         {}},
    });
}

TEST(LoRaWANCheck, DownLinkRules) {
    const auto rule2 = [](std::function<void(TRuleLoRa&)> f) {
        return [f](TDeviceLoRa& d) { f(d.DownLinkRules[1]); };
    };
    RunCases({
        {"port", rule2([](auto& r) { r.Port = "-1"; }), CheckFailed(5508, {2, 2})},
        {"start byte", rule2([](auto& r) { r.StartBit = ""; }), CheckFailed(5509, {2, 2})},
        {"number bytes", rule2([](auto& r) { r.NumBits = "1537"; }), CheckFailed(5510, {2, 2, 1536})},
        {"time ignored without timer", rule2([](auto& r) { r.Time = "x"; }), {}},
        {"time with timer", rule2([](auto& r) {
             r.OnTimer = true;
             r.Time = "100000001";
         }),
         CheckFailed(5511, {2, 2})},
        {"time 0 with timer",
         rule2([](auto& r) {
             r.OnTimer = true;
             r.Time = "0";
         }),
         {}},
        {"position byte", rule2([](auto& r) { r.PosBit = "x"; }), CheckFailed(5512, {2, 2, 1535})},
        {"position plus count", rule2([](auto& r) {
             r.PosBit = "1535";
             r.NumBits = "2";
         }),
         CheckFailed(5513, {2, 2, 1536})},
        {"disabled rule not checked",
         rule2([](auto& r) {
             r.Enable = false;
             r.Port = "";
         }),
         {}},
        {"uplink before downlink",
         [](auto& d) {
             d.DownLinkRules[0].Port = "x";
             d.UpLinkRules[1].Port = "x";
         },
         CheckFailed(5498, {2, 2})},
    });
}

TEST(LoRaWANCheck, WhichDevicesAreChecked) {
    auto devices = ValidDevices();
    devices[0].DeviceEUI = "  ";
    devices[0].DevAdd = "bad";  // skipped: a blank EUI ends the list in the file
    devices[2] = AbpDevice();
    devices[2].Enable = false;
    devices[2].AppSessKey = "";  // disabled, but written and may be enabled later
    EXPECT_EQ(gw::Check_Data(devices), CheckFailed(5492, {3}));
}

// Two devices with one EUI: the later one is refused, naming the earlier.
TEST(LoRaWANCheck, SameDeviceEuiTwiceIsRefused) {
    shell::Load_Default_Texts();
    auto devices = ValidDevices();
    devices[3] = AbpDevice();
    devices[3].DeviceEUI = " 0011223344556678";  // device 2's, blanks aside
    EXPECT_EQ(gw::Check_Data(devices), CheckFailed(gw::Text_Same_Device_EUI, {4, 2}));
    devices[3].DeviceEUI = "0011223344556679";
    EXPECT_TRUE(gw::Check_Data(devices).Ok());
    devices[3].DeviceEUI = "0011223344556677";
    EXPECT_EQ(gw::CheckMessage(gw::Check_Data(devices)),
              "Error Device 4!! Device EUI is the same as the one of Device 1");
}

TEST(LoRaWANCheck, MessagesNameDeviceAndRule) {
    shell::Load_Default_Texts();
    EXPECT_EQ(gw::CheckMessage(CheckFailed(5501, {2, 3, 4, 8})),
              "Error Device 2, UpLink Rule 3!! Value Test must have 4 bytes (8 characters)");
    EXPECT_EQ(gw::CheckMessage(CheckFailed(5485, {7})),
              "Error Device 7!! Device EUI must have 8 bytes (16 characters)");
}

}  // namespace

namespace {

// An end node's identity is the parameter file's; only its rules count.
TEST(LoRaWANCheck, EndNodeChecksOnlyTheRulesOfItsOneDevice) {
    const struct {
        const char* name;
        std::function<void(std::vector<TDeviceLoRa>&)> change;
        TCheckResult expected;
    } cases[] = {
        {"placeholder identity", [](std::vector<TDeviceLoRa>& d) { d[0] = TDeviceLoRa{}; }, {}},
        {"bad identity, good rules",
         [](std::vector<TDeviceLoRa>& d) {
             d[0].JoinEUI = "x";
             d[0].UpLinkRules = {UpRule()};
         },
         {}},
        {"bad rule",
         [](std::vector<TDeviceLoRa>& d) {
             d[0] = TDeviceLoRa{};
             d[0].DownLinkRules = {DownRule(), DownRule()};
             d[0].DownLinkRules[1].NumBits = "0";
         },
         CheckFailed(5510, {1, 2, 1536})},
        {"disabled bad rule",
         [](std::vector<TDeviceLoRa>& d) {
             d[0].UpLinkRules = {UpRule()};
             d[0].UpLinkRules[0].Port = "x";
             d[0].UpLinkRules[0].Enable = false;
         },
         {}},
        {"other records ignored", [](std::vector<TDeviceLoRa>& d) { d[1].UpLinkRules = {TRuleLoRa{}}; }, {}},
    };
    for (const auto& c : cases) {
        std::vector<TDeviceLoRa> devices = ValidDevices();
        c.change(devices);
        EXPECT_EQ(gw::Check_End_Node(devices), c.expected) << c.name;
    }
    EXPECT_TRUE(gw::Check_End_Node({}).Ok());
}

}  // namespace
