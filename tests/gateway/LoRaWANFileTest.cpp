#include <gtest/gtest.h>

#include "TestHelpers.h"
#include "gateway/LoRaWANFile.h"
#include "platform/XmlDom.h"

namespace {

gw::TDeviceLoRa MakeDevice(const std::string& tag) {
    gw::TDeviceLoRa d;
    d.Enable = false;
    d.DeviceEUI = " 00112233445566" + tag;
    d.JoinEUI = "J" + tag;
    d.DeviceName = "name <" + tag + "> & \"q\"";
    d.ActMethod = "Over-the-Air Activation [OTAA]";
    d.NetSessKey = "";
    d.AppSessKey = "s" + tag;
    d.AppKey = "k" + tag;
    d.DevAdd = "a" + tag;
    d.ClassLoRa = "C";
    d.DiagTimeOut = "100" + tag;
    d.RX2Datarate = "SF7BW250";
    d.Mnemonic = " m " + tag;
    gw::TRuleLoRa up;
    up.Enable = false;
    up.Port = "1";
    up.StartTest = "2";
    up.LenTest = "3";
    up.HexTest = true;
    up.ValueTest = " 0A0B ";
    up.StartBit = "4";
    up.NumBits = "5";
    up.PosBit = "6";
    up.Mnemonic = "u" + tag;
    gw::TRuleLoRa down;
    down.Port = "7";
    down.StartBit = "8";
    down.NumBits = "9";
    down.OnChange = true;
    down.OnTimer = true;
    down.Time = "1000";
    down.PosBit = "10";
    down.Mnemonic = "d" + tag;
    d.UpLinkRules = {up, gw::TRuleLoRa{}};
    d.DownLinkRules = {down};
    return d;
}

}  // namespace

TEST(LoRaWANFile, DevicesAndRulesSurviveARoundTrip) {
    gw::TLoRaWANConfig config;
    config.Devices = {MakeDevice("01"), MakeDevice("02"), gw::TDeviceLoRa{}, MakeDevice("03")};
    config.Devices[2].DeviceEUI = "FFFFFFFFFFFFFFFF";  // enabled, no rules
    // More rules than any device before it carries.
    auto& more = config.Devices[3].UpLinkRules;
    for (int i = 0; i < 5; ++i) more.push_back(more[0]);
    more.back().Mnemonic = "last";
    gw::TLoRaWANConfig back;
    std::string error;
    ASSERT_TRUE(gw::LoRaWANFromXml(gw::LoRaWANToXml(config), true, back, &error)) << error;
    EXPECT_EQ(back, config);
}

TEST(LoRaWANFile, WrittenTreeAndAttributeOrder) {
    gw::TLoRaWANConfig config;
    config.Devices = {gw::TDeviceLoRa{}};
    config.Devices[0].DeviceEUI = "1";
    const std::string xml = gw::LoRaWANToXml(config);
    EXPECT_EQ(xml.rfind("<LoRaWAN_Gateway>", 0), 0u);
    plat::TXmlDocument doc;
    ASSERT_TRUE(doc.LoadFromString(xml));
    EXPECT_EQ(doc.TopLevelComment(0), "SW_VERSION = 1.000");
    const plat::TXmlNode dev = doc.Root().FindNode("LoRaWAN_Devices_List").Child(0);
    ASSERT_EQ(dev.Name(), "LoRaWAN_Device");
    const char* const order[] = {"Enable",
                                 "DeviceEUI",
                                 "JoinEUI",
                                 "DeviceName",
                                 "ActivationMethod",
                                 "NetworkSessionKey",
                                 "ApplicationSessionKey",
                                 "ApplicationKey",
                                 "DeviceAddress",
                                 "Class",
                                 "DiagTimeOut",
                                 "RX2_Datarate",
                                 "Mnemonic"};
    ASSERT_EQ(dev.AttributeCount(), 13);
    for (int i = 0; i < 13; ++i) EXPECT_EQ(dev.AttributeName(i), order[i]);
    EXPECT_EQ(dev.Attribute("Enable"), "Y");
    EXPECT_TRUE(dev.HasAttribute("Mnemonic"));  // empty values are written, not left out
    const plat::TXmlNode rules = dev.FindNode("LoRaWAN_Rules");
    ASSERT_EQ(rules.ChildCount(), 2);
    EXPECT_EQ(rules.Child(0).Name(), "LoRaWAN_UpLink_Rules");
    EXPECT_EQ(rules.Child(0).ChildCount(), 0);
    EXPECT_EQ(rules.Child(1).Name(), "LoRaWAN_DownLink_Rules");
}

TEST(LoRaWANFile, ABlankDeviceEUIIsLeftOutAndTheDevicesAfterItStay) {
    gw::TLoRaWANConfig config;
    config.Devices = {MakeDevice("01"), MakeDevice("02"), MakeDevice("03"), gw::TDeviceLoRa{}};
    config.Devices[1].DeviceEUI = " \t ";
    gw::TLoRaWANConfig back;
    ASSERT_TRUE(gw::LoRaWANFromXml(gw::LoRaWANToXml(config), true, back));
    EXPECT_EQ(back.Devices, (std::vector<gw::TDeviceLoRa>{config.Devices[0], config.Devices[2]}));
}

TEST(LoRaWANFile, FlagsAndOptionalAttributes) {
    const std::string xml = gwtest::LoRaWANFile(gwtest::Device(
        "Enable=\"y\" DeviceEUI=\"1\" JoinEUI=\"\" DeviceName=\"\" ActivationMethod=\"\" "
        "NetworkSessionKey=\"\" ApplicationSessionKey=\"\" ApplicationKey=\"\" DeviceAddress=\"\" "
        "Mnemonic=\"\"",
        "<Rule Enable=\" y \" Port=\"1\" StartBit=\"0\" NumberBits=\"1\" PositionBit=\"0\" Mnemonic=\"\"/>",
        "<Rule Enable=\"N\" Port=\"1\" StartBit=\"0\" NumberBits=\"1\" OnChange=\"y\" OnCommand=\" Y\" "
        "OnTimer=\"x\" Time=\"\" PositionBit=\"0\" Mnemonic=\"\"/>"));
    gw::TLoRaWANConfig c;
    std::string error;
    ASSERT_TRUE(gw::LoRaWANFromXml(xml, true, c, &error)) << error;
    ASSERT_EQ(c.Devices.size(), 1u);
    const auto& d = c.Devices[0];
    EXPECT_FALSE(d.Enable);  // the device flag is compared exactly
    EXPECT_EQ(d.ClassLoRa, "");
    EXPECT_EQ(d.DiagTimeOut, "");
    EXPECT_EQ(d.RX2Datarate, "");
    const auto& up = d.UpLinkRules.at(0);
    EXPECT_TRUE(up.Enable);  // rule flags accept any case and blanks
    EXPECT_EQ(up.StartTest, "");
    EXPECT_EQ(up.LenTest, "");
    EXPECT_FALSE(up.HexTest);
    EXPECT_EQ(up.ValueTest, "");
    const auto& down = d.DownLinkRules.at(0);
    EXPECT_FALSE(down.Enable);
    EXPECT_TRUE(down.OnChange);
    EXPECT_TRUE(down.OnCMD);
    EXPECT_FALSE(down.OnTimer);
}

TEST(LoRaWANFile, EndNodeModeReadsTheFirstDeviceOnly) {
    gw::TLoRaWANConfig config;
    config.Devices = {MakeDevice("01"), MakeDevice("02")};
    gw::TLoRaWANConfig back;
    ASSERT_TRUE(gw::LoRaWANFromXml(gw::LoRaWANToXml(config), false, back));
    ASSERT_EQ(back.Devices.size(), 1u);
    EXPECT_EQ(back.Devices[0], config.Devices[0]);
}

TEST(LoRaWANFile, IncompleteFilesAreRefusedWithWhatIsMissing) {
    using gwtest::Device;
    using gwtest::LoRaWANFile;
    const std::string okDevice = gwtest::StdAttrs();
    const struct {
        const char* name;
        std::string xml;
        const char* expected;
    } cases[] = {
        {"other root", "<Par_Gen/>", "\"LoRaWAN_Gateway\""},
        {"no device list", "<LoRaWAN_Gateway/>", "\"LoRaWAN_Devices_List\""},
        {"no rules", LoRaWANFile("<LoRaWAN_Device " + okDevice + "/>"), "\"LoRaWAN_Rules\""},
        {"no uplink list", LoRaWANFile("<LoRaWAN_Device " + okDevice + "><LoRaWAN_Rules/></LoRaWAN_Device>"),
         "\"LoRaWAN_UpLink_Rules\""},
        {"no DeviceEUI", LoRaWANFile(Device(gwtest::AttrsWith({{"DeviceEUI", std::nullopt}}))),
         "\"DeviceEUI\" is missing in device 1"},
        {"no Mnemonic",
         LoRaWANFile(Device(okDevice) + Device(gwtest::AttrsWith({{"Mnemonic", std::nullopt}}))),
         "\"Mnemonic\" is missing in device 2"},
        {"uplink rule without Port",
         LoRaWANFile(Device(okDevice,
                            "<Rule Enable=\"Y\" StartBit=\"0\" NumberBits=\"1\" PositionBit=\"0\" "
                            "Mnemonic=\"\"/>")),
         "\"Port\" is missing in uplink rule 1 of device 1"},
        {"downlink rule without Time",
         LoRaWANFile(Device(okDevice, "",
                            "<Rule Enable=\"Y\" Port=\"1\" StartBit=\"0\" NumberBits=\"1\" "
                            "OnChange=\"N\" OnCommand=\"N\" OnTimer=\"N\" PositionBit=\"0\" "
                            "Mnemonic=\"\"/>")),
         "\"Time\" is missing in downlink rule 1 of device 1"},
    };
    for (const auto& c : cases) {
        gw::TLoRaWANConfig config;
        std::string error;
        EXPECT_FALSE(gw::LoRaWANFromXml(c.xml, true, config, &error)) << c.name;
        EXPECT_NE(error.find(c.expected), std::string::npos) << c.name << ": " << error;
    }
}

TEST(LoRaWANFile, MissingFileIsAConfigurationWithoutDevices) {
    gw::TLoRaWANConfig config;
    config.Devices.resize(2);
    std::string error;
    EXPECT_TRUE(gw::LoadLoRaWAN(std::string(VASTRIMO_TEST_OUT) + "/no_such_folder/LoRaWAN_Gateway.xml", true,
                                config, &error));
    EXPECT_TRUE(config.Devices.empty());
}
