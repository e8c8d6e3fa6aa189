#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "BACnetTestSupport.h"
#include "base/Files.h"
#include "protocols/BACnet_EDE_File.h"
#include "protocols/Generators.h"
#include "shell/Comon.h"

using namespace proto;
namespace fs = std::filesystem;

namespace {

const std::string Data_Dir = std::string(VASTRIMO_TEST_DATA) + "/ede";

// 3 December 2026, 09:05:07.
base::TDateTime Fixed_Time() {
    return base::EncodeDate(2026, 12, 3) + base::EncodeTime(9, 5, 7, 0);
}

std::string Read(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(base::ReadFileBytes(path, bytes)) << path;
    return bytes;
}

std::string Out_Path(const std::string& name) {
    fs::create_directories(VASTRIMO_TEST_OUT);
    return (fs::path(VASTRIMO_TEST_OUT) / name).string();
}

// Opens a configuration folder as the main window would, with the clock
// fixed through SOURCE_DATE_EPOCH.
class EDEExportFromFolder : public ::testing::Test {
protected:
    void Open(const std::string& folder) {
        shell::Conf_Path = folder;
        shell::Conf_Name = base::ExtractFileName(folder);
        shell::Set_Files();
    }
    void SetUp() override { setenv("SOURCE_DATE_EPOCH", "1796288707", 1); }
    void TearDown() override {
        unsetenv("SOURCE_DATE_EPOCH");
        shell::Conf_Path.clear();
        shell::Conf_Name.clear();
        shell::Set_Files();
    }
};

TEDEExport Rows_Of(std::initializer_list<TTableRow> read, std::initializer_list<TTableRow> write = {}) {
    TEDEExport data;
    data.Conf_Name = "P";
    data.Device_Instance = "7";
    data.Time = Fixed_Time();
    data.Read = read;
    data.Write = write;
    return data;
}

}  // namespace

TEST_F(EDEExportFromFolder, MatchesTheStoredFiles) {
    for (const char* name : {"Plant1", "Long"}) {
        Open(Data_Dir + "/" + name);
        const std::string out = Out_Path(std::string("ede-") + name + ".csv");
        std::string error;
        ASSERT_TRUE(Write_EDE_File(out, &error)) << error;
        EXPECT_EQ(Read(out), Read(Data_Dir + "/" + name + ".csv")) << name;
    }
}

TEST_F(EDEExportFromFolder, IsTheGeneratorOfKindEde) {
    const TGeneratorKind* kind = Find_Generator("ede");
    ASSERT_NE(kind, nullptr);
    Open(Data_Dir + "/Plant1");
    const std::string out = Out_Path("ede-kind.csv");
    std::string error;
    ASSERT_TRUE(kind->Generate(out, &error)) << error;
    EXPECT_EQ(Read(out), Read(Data_Dir + "/Plant1.csv"));
}

TEST_F(EDEExportFromFolder, WithoutServerObjectsOnlyTheHeader) {
    const std::string folder = Out_Path("ede-empty-config");
    fs::create_directories(folder);
    fs::remove(fs::path(folder) / "ParGen.xml");
    fs::remove(fs::path(folder) / "BACnet_Slave.xml");
    Open(folder);
    const std::string out = Out_Path("ede-empty.csv");
    std::string error;
    ASSERT_TRUE(Write_EDE_File(out, &error)) << error;
    EXPECT_EQ(
        Read(out),
        "PROJECT_NAME; Vekrun--ede-empty-config;;;;;;\r\n"
        "VERSION_OF_REFERENCEFILE;1.0;;;;;;\r\n"
        "TIMESTAMP_OF_LAST_CHANGE;09:05:07 03/12/2026;;;;;;\r\n"
        "AUTHOR_OF_LAST_CHANGE;Vekrun;;;;;;\r\n"
        "VERSION_OF_LAYOUT;2;;;;;;\r\n"
        "# mandatory;mandatory;mandatory;mandatory;mandatory;optional;optional;\r\n"
        "# keyname;device obj.-instance;object-name;object-type;object-instance;description;unit-code;\r\n");
}

TEST_F(EDEExportFromFolder, EachExportStartsFromItsOwnDeviceInstance) {
    Open(Data_Dir + "/Plant1");
    const std::string out = Out_Path("ede-first.csv");
    ASSERT_TRUE(Write_EDE_File(out, nullptr));
    // A configuration without a device instance must not inherit the one
    // the previous export read.
    const std::string folder = Out_Path("ede-no-instance");
    fs::create_directories(folder);
    ASSERT_TRUE(
        base::WriteFileAtomic(folder + "/ParGen.xml", "<Par_Gen><BACnet_Type>0</BACnet_Type></Par_Gen>"));
    ASSERT_TRUE(fs::copy_file(Data_Dir + "/Plant1/BACnet_Slave.xml", folder + "/BACnet_Slave.xml",
                              fs::copy_options::overwrite_existing));
    Open(folder);
    const std::string second = Out_Path("ede-second.csv");
    ASSERT_TRUE(Write_EDE_File(second, nullptr));
    EXPECT_NE(Read(second).find("\r\n_Boiler_Temperature_1_0;;Boiler_Temperat"), std::string::npos);
}

TEST_F(EDEExportFromFolder, BrokenFilesWriteNothing) {
    const struct {
        const char* name;
        const char* parGen;
        const char* slave;
        const char* reason;
    } cases[] = {
        {"malformed slave", "<Par_Gen/>", "<BACnet_to_Modbus><BACnet_in_Read>", "BACnet_Slave.xml"},
        {"missing section", "<Par_Gen/>", "<BACnet_to_Modbus><BACnet_in_Read/></BACnet_to_Modbus>",
         "BACnet_in_Write"},
        {"malformed pargen", "<Par_Gen>", "<BACnet_to_Modbus/>", "ParGen.xml"},
        {"semicolon in a hand-edited mnemonic", "<Par_Gen/>",
         "<BACnet_to_Modbus><BACnet_in_Read/><BACnet_in_Write><row Data_Type='Analog Out' Mnemonic='a;b'/>"
         "</BACnet_in_Write></BACnet_to_Modbus>",
         "BACnet_in_Write row 1"},
        {"semicolon in the unit", "<Par_Gen/>",
         "<BACnet_to_Modbus><BACnet_in_Read><row Data_Type='Analog Input' Eng_Unit='6;2' Mnemonic='a'/>"
         "</BACnet_in_Read><BACnet_in_Write/></BACnet_to_Modbus>",
         "Eng. Unit"},
        {"line break in a mnemonic", "<Par_Gen/>",
         "<BACnet_to_Modbus><BACnet_in_Read><row Data_Type='Analog Input' Mnemonic='a&#10;b'/>"
         "</BACnet_in_Read><BACnet_in_Write/></BACnet_to_Modbus>",
         "Mnemonic"},
        {"semicolon in the device instance", "<Par_Gen><BACnet_DEV_IDE>12;3</BACnet_DEV_IDE></Par_Gen>",
         "<BACnet_to_Modbus><BACnet_in_Read/><BACnet_in_Write/></BACnet_to_Modbus>", "device instance"},
    };
    const std::string folder = Out_Path("ede-broken");
    fs::create_directories(folder);
    Open(folder);
    for (const auto& c : cases) {
        ASSERT_TRUE(base::WriteFileAtomic(folder + "/ParGen.xml", c.parGen));
        ASSERT_TRUE(base::WriteFileAtomic(folder + "/BACnet_Slave.xml", c.slave));
        const std::string out = Out_Path("ede-broken.csv");
        ASSERT_TRUE(base::WriteFileAtomic(out, "old"));
        std::string error;
        EXPECT_FALSE(Write_EDE_File(out, &error)) << c.name;
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.name << ": " << error;
        EXPECT_EQ(Read(out), "old") << c.name;
    }
}

TEST(EDEExport, InstancesCountPerTypeOverBothSections) {
    using bactest::Slave_Row;
    TEDEExport data =
        Rows_Of({Slave_Row("Analog Value", "0", "4"), Slave_Row("Analog Value", "4", "4"),
                 Slave_Row("Binary Input", "8", "1")},
                {Slave_Row("Analog Value", "0", "4"), Slave_Row("Multi State Value", "4", "4")});
    std::vector<TBACnet_EDE_Obj> objects;
    ASSERT_TRUE(Build_EDE_Objects(data, objects, nullptr));
    std::vector<std::string> types, instances;
    for (const TBACnet_EDE_Obj& o : objects) {
        types.push_back(o.ObjectType);
        instances.push_back(o.ObjectInstance);
    }
    EXPECT_EQ(types, (std::vector<std::string>{"2", "2", "3", "2", "19"}));
    EXPECT_EQ(instances, (std::vector<std::string>{"0", "1", "0", "2", "0"}));
    EXPECT_EQ(objects[3].Keyname, "7_Obj_2");
}

TEST(EDEExport, NamesAreCutByCharactersAndWrittenInTheCodePage) {
    using bactest::Slave_Row;
    // Seventeen characters, twenty bytes in UTF-8; the "Ω" has no place in
    // the code page.
    TEDEExport data = Rows_Of({Slave_Row("Analog Input", "0", "4",
                                         {{bac_slave::Mnemonic, "\xC3\xA4\xC3\xB6xxxxxxxxxxxx\xCE\xA9ZQ"}})});
    std::ostringstream out;
    ASSERT_TRUE(Write_EDE(data, out, nullptr));
    const std::string text = out.str();
    EXPECT_NE(
        text.find(
            "\r\n7_\xE4\xF6xxxxxxxxxxxx?ZQ_0;7;\xE4\xF6xxxxxxxxxxxx?Z;0;0;\xE4\xF6xxxxxxxxxxxx?Z;62;\r\n"),
        std::string::npos)
        << text;
}

TEST(EDEExport, TimestampForm) {
    EXPECT_EQ(EDE_Timestamp(Fixed_Time()), "09:05:07 03/12/2026");
    EXPECT_EQ(EDE_Timestamp(base::EncodeDate(2031, 1, 9) + base::EncodeTime(23, 59, 0, 0)),
              "23:59:00 09/01/2031");
}

TEST(EDEExport, ObjectTypeNumbers) {
    const struct {
        const char* text;
        int number;
    } cases[] = {{"Analog Input", 0},    {" analog out ", 1},
                 {"Binary Value", 5},    {"Multi State Output", 14},
                 {"Accumulator", 23},    {"Access Door", 30},
                 {"DateTime Value", 44}, {"Positive Integer Value", 48},
                 {"Analog Output", 0},   {"", 0}};
    for (const auto& c : cases) EXPECT_EQ(Get_EDE_Object_Type(c.text), c.number) << c.text;
}

TEST(EDEExport, AConfigurationNameWithTheSeparatorIsRefused) {
    TEDEExport data = Rows_Of({});
    data.Conf_Name = "Plant;2";
    std::ostringstream out;
    std::string error;
    EXPECT_FALSE(Write_EDE(data, out, &error));
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(error.find("Plant;2"), std::string::npos) << error;
}
