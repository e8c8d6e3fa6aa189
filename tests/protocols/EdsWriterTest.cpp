#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>
#include <sstream>

#include "base/DateTime.h"
#include "base/Files.h"
#include "protocols/EdsWriter.h"
#include "protocols/Generators.h"
#include "shell/Comon.h"

namespace {

const std::string Eds_Data = base::JoinPath(VASTRIMO_TEST_DATA, "eds");

// The examples stored beside their configuration files, each with the EDS
// written at 12:30 on 7 March 2025.
const char* const Golden_Cases[] = {"empty", "one_rpdo", "tpdo_10", "sdo"};

base::TDateTime Fixed_Clock() {
    return base::EncodeDate(2025, 3, 7) + base::EncodeTime(12, 30, 0, 0);
}

proto::TEdsModel Model_Of(const std::string& Folder) {
    proto::TEdsModel model;
    std::string error;
    EXPECT_TRUE(proto::Load_EDS_PDO_List(base::JoinPath(Folder, "PDO_CANopen.xml"), model.PDO, &error))
        << error;
    EXPECT_TRUE(proto::Load_EDS_SDO_Objects(base::JoinPath(Folder, "SDO_Server_CANopen.xml"),
                                            model.SDO_Index_List, &error))
        << error;
    proto::Sort_SDO_Sub_Indexes(model.SDO_Index_List);
    return model;
}

std::string Eds_Text(const proto::TEdsModel& Model) {
    std::ostringstream out;
    proto::TEdsWriter writer;
    EXPECT_TRUE(writer.Write(Model, Fixed_Clock(), out)) << writer.ErrorString();
    return out.str();
}

std::string Read(const std::string& Path) {
    std::string bytes;
    EXPECT_TRUE(base::ReadFileBytes(Path, bytes)) << Path;
    return bytes;
}

// A strict reader of INI text: every line ends in CR LF and is a section
// header, a key=value pair inside a section or empty; no section and no key
// of one section comes twice. Returns the sections with their keys, or
// fails the test naming the first offending line.
using TIni = std::map<std::string, std::map<std::string, std::string>>;

TIni Parse_Strict_Ini(const std::string& Text, const std::string& Name) {
    TIni ini;
    std::string section;
    size_t at = 0;
    int line_no = 0;
    while (at < Text.size()) {
        ++line_no;
        const size_t end = Text.find("\r\n", at);
        if (end == std::string::npos) {
            ADD_FAILURE() << Name << ": line " << line_no << " does not end in CR LF";
            return ini;
        }
        const std::string line = Text.substr(at, end - at);
        at = end + 2;
        const std::string where = Name + " line " + std::to_string(line_no) + ": " + line;
        for (char c : line) EXPECT_TRUE(c >= 0x20 && c < 0x7F) << where;
        if (line.empty()) continue;
        if (line.front() == '[') {
            EXPECT_EQ(line.back(), ']') << where;
            section = line.substr(1, line.size() - 2);
            EXPECT_FALSE(ini.count(section)) << "section given twice: " << where;
            ini[section];
            continue;
        }
        const size_t eq = line.find('=');
        EXPECT_NE(eq, std::string::npos) << where;
        EXPECT_FALSE(section.empty()) << "key outside a section: " << where;
        if (eq == std::string::npos) continue;
        const std::string key = line.substr(0, eq);
        EXPECT_FALSE(key.empty() || key.back() == ' ' || line[eq + 1] == ' ') << where;
        EXPECT_FALSE(ini[section].count(key)) << "key given twice: " << where;
        ini[section][key] = line.substr(eq + 1);
    }
    return ini;
}

}  // namespace

TEST(EdsWriter, GoldenFilesAreWrittenByteForByte) {
    for (const char* name : Golden_Cases) {
        const std::string folder = base::JoinPath(Eds_Data, name);
        EXPECT_EQ(Eds_Text(Model_Of(folder)), Read(base::JoinPath(folder, "expected.eds"))) << name;
    }
}

TEST(EdsWriter, GoldenFilesAreStrictIniFiles) {
    for (const char* name : Golden_Cases) {
        const TIni ini =
            Parse_Strict_Ini(Read(base::JoinPath(Eds_Data, std::string(name) + "/expected.eds")), name);
        ASSERT_TRUE(ini.count("FileInfo")) << name;
        EXPECT_EQ(ini.at("FileInfo").at("FileName"), "CANopen_LoRaWAN_Gateway.eds");
        // Every object the lists name has its section, and no more objects.
        size_t listed = 0;
        for (const char* list : {"MandatoryObjects", "OptionalObjects", "ManufacturerObjects"}) {
            const auto& keys = ini.at(list);
            const size_t count = std::stoul(keys.at("SupportedObjects"));
            EXPECT_EQ(keys.size(), count + 1) << name << " " << list;
            for (size_t n = 1; n <= count; ++n) {
                const std::string index = keys.at(std::to_string(n)).substr(2);
                EXPECT_TRUE(ini.count(index)) << name << ": " << list << " names " << index;
            }
            listed += count;
        }
        size_t objects = 0;
        for (const auto& [section, keys] : ini)
            if (section.find("sub") == std::string::npos && keys.count("ObjectType")) ++objects;
        EXPECT_EQ(objects, listed) << name;
    }
}

TEST(EdsWriter, FullPdoTablesUseTheLastVariableNames) {
    proto::TEdsModel model;
    model.PDO.Receive.assign(proto::EDS_PDO_Max, {0x200, 8});
    model.PDO.Transmit.assign(proto::EDS_PDO_Max, {0x180, 8});
    model.SDO_Index_List = {{0x2000, {{0, 1, true, ""}, {255, 4, false, ""}}}};
    const TIni ini = Parse_Strict_Ini(Eds_Text(model), "full");
    EXPECT_EQ(ini.at("OptionalObjects").at("SupportedObjects"), "188");
    EXPECT_EQ(ini.at("701Dsub8").at("ParameterName"), "av8");
    EXPECT_EQ(ini.at("706Dsub8").at("ParameterName"), "cv8");
    EXPECT_EQ(ini.at("1A1Dsub8").at("DefaultValue"), "0x706D0808");
    EXPECT_EQ(ini.at("2000").at("SubNumber"), "2");
    EXPECT_EQ(ini.at("2000sub255").at("AccessType"), "rw");
}

TEST(EdsWriter, DateAndTimeTexts) {
    const struct {
        int hour, minute;
        const char* time;
    } cases[] = {
        // The hour after midnight is 12 on a 12-hour clock, as the hour after noon is.
        {0, 0, "12:00AM"},  {0, 10, "12:10AM"},  {0, 59, "12:59AM"},
        {1, 0, "01:00AM"},  {9, 5, "09:05AM"},   {11, 59, "11:59AM"},
        {12, 0, "12:00PM"}, {12, 30, "12:30PM"}, {12, 45, "12:45PM"},
        {13, 0, "01:00PM"}, {18, 7, "06:07PM"},  {23, 59, "11:59PM"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(
            proto::EDS_Time_Text(base::EncodeDate(2025, 3, 7) + base::EncodeTime(c.hour, c.minute, 0, 0)),
            c.time);
    EXPECT_EQ(proto::EDS_Date_Text(base::EncodeDate(2025, 3, 7)), "03-07-2025");
    EXPECT_EQ(proto::EDS_Date_Text(base::EncodeDate(1999, 12, 31) + 0.99), "12-31-1999");
}

TEST(EdsWriter, ModelsThatWouldNameAnObjectTwiceAreRefused) {
    const proto::SDO_Sub_Type ro{1, 2, true, ""}, rw{1, 2, false, ""};
    const struct {
        const char* name;
        proto::TEdsModel model;
        const char* says;
    } cases[] = {
        {"read and write", {{}, {{0x2000, {ro, rw}}}}, "index 0x2000 with the sub-index 1 twice"},
        {"one table",
         {{}, {{0x3000, {{0, 1, true, ""}, ro, ro}}}},
         "index 0x3000 with the sub-index 1 twice"},
        {"one index twice", {{}, {{0x2000, {ro}}, {0x2000, {{2, 1, true, ""}}}}}, "object 0x2000 twice"},
        {"a fixed object", {{}, {{0x1018, {ro}}}}, "object 0x1018, which the EDS already describes"},
        {"a PDO object", {{{{0x181, 1}}, {}}, {{0x7000, {ro}}}}, "object 0x7000, which"},
        {"too many PDOs", {{std::vector<proto::TEDS_PDO>(31), {}}, {}}, "31 receive PDOs"},
        {"too many PDOs", {{{}, std::vector<proto::TEDS_PDO>(40)}, {}}, "40 transmit PDOs"},
    };
    const std::string path = base::JoinPath(VASTRIMO_TEST_OUT, "refused.eds");
    ASSERT_TRUE(base::ForceDirectories(VASTRIMO_TEST_OUT));
    for (const auto& c : cases) {
        ASSERT_TRUE(base::WriteFileAtomic(path, "old"));
        proto::TEdsWriter writer;
        std::ostringstream out;
        EXPECT_FALSE(writer.Write(c.model, Fixed_Clock(), out)) << c.name;
        EXPECT_TRUE(out.str().empty()) << c.name;
        EXPECT_NE(writer.ErrorString().find(c.says), std::string::npos)
            << c.name << ": " << writer.ErrorString();
        EXPECT_FALSE(writer.Save(c.model, Fixed_Clock(), path)) << c.name;
        EXPECT_EQ(Read(path), "old") << c.name;
    }
    // The same object index, sub-index apart, is fine; and so is a PDO object
    // number that no PDO of the list uses.
    std::ostringstream out;
    proto::TEdsWriter writer;
    EXPECT_TRUE(writer.Write({{}, {{0x2000, {ro, {2, 1, false, ""}}}, {0x7000, {ro}}}}, Fixed_Clock(), out))
        << writer.ErrorString();
}

TEST(EdsWriter, TheGenerateCommandWritesTheOpenConfiguration) {
    const std::string folder = base::JoinPath(Eds_Data, "sdo");
    const std::string saved_conf = shell::Conf_Path;
    shell::Conf_Path = folder;
    shell::Set_Files();
    const std::string out = base::JoinPath(VASTRIMO_TEST_OUT, "any name.eds");
    ASSERT_TRUE(base::ForceDirectories(VASTRIMO_TEST_OUT));
    base::DeleteFile(out);
    setenv("SOURCE_DATE_EPOCH", "1741350600", 1);  // 7 March 2025 12:30 UTC
    const proto::TGeneratorKind* kind = proto::Find_Generator("eds");
    ASSERT_NE(kind, nullptr);
    std::string error;
    EXPECT_TRUE(kind->Generate(out, &error)) << error;
    unsetenv("SOURCE_DATE_EPOCH");
    shell::Conf_Path = saved_conf;
    shell::Set_Files();
    EXPECT_EQ(Read(out), Read(base::JoinPath(folder, "expected.eds")));
}
