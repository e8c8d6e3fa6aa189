#include "gateway/EthernetUpdateFile.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "GatewayTestSupport.h"

namespace {

std::string Expected(const char* name) {
    return gwtest::ReadFile(std::string(VASTRIMO_TEST_DATA) + "/" + name);
}

gw::TEthernetUpdateParams Params(const char* address, int option, bool readBack) {
    gw::TEthernetUpdateParams p;
    p.ipAddress = address;
    p.option = option;
    p.readBack = readBack;
    p.masterDir = "/opt/vastrimo/MASTER";
    p.confPath = "/opt/vastrimo/PROJECTS/Plant 1";
    return p;
}

TEST(EthernetUpdateFile, EachOptionWritesItsOperations) {
    const struct {
        gw::TEthernetUpdateParams params;
        const char* file;
    } cases[] = {
        {Params("192.168.2.205", gw::Update_Firmware_And_Configuration, true),
         "ethernet_update_firmware_configuration.xml"},
        {Params("10.0.0.7", gw::Update_Firmware, true), "ethernet_update_firmware.xml"},
        {Params("192.168.2.205", gw::Update_Configuration, false), "ethernet_update_configuration.xml"},
    };
    for (const auto& c : cases) EXPECT_EQ(gw::EthernetUpdateToXml(c.params), Expected(c.file)) << c.file;
}

TEST(EthernetUpdateFile, UnknownOptionSendsNothing) {
    const std::string xml = gw::EthernetUpdateToXml(Params("1.2.3.4", 3, true));
    EXPECT_NE(xml.find("<Operations />"), std::string::npos) << xml;
    EXPECT_EQ(xml.find("<Operation>"), std::string::npos);
}

TEST(EthernetUpdateFile, SaveReplacesTheFileAndReportsAFolderItCannotWrite) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::path(VASTRIMO_TEST_OUT) / "ethernet-update";
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string path = (dir / gw::Ethernet_Update_File_Name).string();
    {
        std::ofstream old(path);
        old << "<old/>";
    }
    const auto params = Params("10.0.0.7", gw::Update_Firmware, true);
    std::string error;
    ASSERT_TRUE(gw::SaveEthernetUpdate(params, path, &error)) << error;
    EXPECT_EQ(gwtest::ReadFile(path), Expected("ethernet_update_firmware.xml"));

    const std::string inMissingFolder = (dir / "no-such-folder" / "Ethernet_Update.xml").string();
    EXPECT_FALSE(gw::SaveEthernetUpdate(params, inMissingFolder, &error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
