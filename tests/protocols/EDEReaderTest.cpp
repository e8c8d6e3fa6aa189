#include <gtest/gtest.h>

#include <filesystem>

#include "base/Files.h"
#include "protocols/EDEReader.h"

using namespace proto;

namespace {

// A file in the usual EDE layout: the column marks on line 7, their names
// on line 8, data from line 9.
std::string Standard_File(const std::string& data, const std::string& eol = "\r\n") {
    std::string text;
    for (const char* line : {"PROJECT_NAME;P", "VERSION_OF_REFERENCEFILE;1", "TIMESTAMP_OF_LAST_CHANGE;x",
                             "AUTHOR_OF_LAST_CHANGE;a", "VERSION_OF_LAYOUT;2", "",
                             "# mandatory;mandatory;mandatory;mandatory;mandatory;optional;optional;optional",
                             "# keyname;device obj.-instance;object-name;object-type;object-instance;..."})
        text += std::string(line) + eol;
    return text + data;
}

std::vector<std::string> Names(const std::vector<TBACnet_Var>& vars) {
    std::vector<std::string> names;
    for (const TBACnet_Var& v : vars) names.push_back(v.object_name);
    return names;
}

}  // namespace

TEST(EDEReader, SixteenFields) {
    const TBACnet_Var v = Parse_EDE_Line(
        " K1 ; 77 ; Name ; 2 ; 5 ; Desc ; 1.5 ; 0 ; 100 ; y ; N ; 90 ; 10 ; 3 ; 62 ; vendor;with;semis; ");
    EXPECT_EQ(v.keyname, "K1");
    EXPECT_EQ(v.device_obj_instance, 77);
    EXPECT_EQ(v.object_name, "Name");
    EXPECT_EQ(v.object_type, 2);
    EXPECT_EQ(v.object_instance, 5);
    EXPECT_EQ(v.description, "Desc");
    EXPECT_EQ(v.present_value_default, "1.5");
    EXPECT_EQ(v.min_present_value, "0");
    EXPECT_EQ(v.max_present_value, "100");
    EXPECT_TRUE(v.commandable);
    EXPECT_FALSE(v.support_COV);
    EXPECT_EQ(v.hi_limit, "90");
    EXPECT_EQ(v.low_limit, "10");
    EXPECT_EQ(v.stete_text_reference, "3");
    EXPECT_EQ(v.unit_code, "62");
    EXPECT_EQ(v.vendor_specific_address, "vendor;with;semis");
}

TEST(EDEReader, AFieldStandsInItsPlaceOnlyBeforeASeparator) {
    // The last field of a line without a closing ";" goes to the sixteenth.
    const TBACnet_Var v = Parse_EDE_Line("K;1;N;0;4;D;62");
    EXPECT_EQ(v.description, "D");
    EXPECT_EQ(v.present_value_default, "");
    EXPECT_EQ(v.vendor_specific_address, "62");
    const TBACnet_Var w = Parse_EDE_Line("K;x;N;abc;4;D;62;");
    EXPECT_EQ(w.device_obj_instance, -1);
    EXPECT_EQ(w.object_type, -1);
    EXPECT_EQ(w.present_value_default, "62");
    EXPECT_EQ(w.vendor_specific_address, "");
}

TEST(EDEReader, WhereTheDataStart) {
    const std::string mark = "# mandatory;mandatory;mandatory";
    const struct {
        const char* name;
        std::string text;
        std::vector<std::string> names;
    } cases[] = {
        {"mark on line 7", Standard_File("K;1;A;0;0;d;\r\nK;1;B;3;0;d;\r\n"), {"A", "B"}},
        {"lf only", Standard_File("K;1;A;0;0;d;\n", "\n"), {"A"}},
        {"cr only", Standard_File("K;1;A;0;0;d;\r", "\r"), {"A"}},
        // Line 7 wins even when a later line is also a mark line.
        {"later mark ignored",
         Standard_File("K;1;A;0;0;d;\r\n" + mark + "\r\nhdr\r\nK;1;B;0;1;d;\r\n"),
         {"A", "B"}},
        // The export's layout: the mark on line 6, names on line 7, data from 8.
        {"own export", "1\r\n2\r\n3\r\n4\r\n5\r\n" + mark + "\r\n# keyname;x\r\nK;1;A;2;0;A;62;\r\n", {"A"}},
        {"last mark wins", mark + "\nh\nK;1;A;0;0;d;\n" + mark + "\nh\nK;1;B;0;0;d;\n", {"B"}},
        {"no mark", "K;1;A;0;0;d;\nK;1;B;0;0;d;\n", {}},
        {"mark without hash only on line 7", "mandatory\nh\nK;1;A;0;0;d;\n", {}},
        {"empty", "", {}},
        {"shorter than the header", "# mandatory\nh\nK;1;A;0;0;d;", {"A"}},
        {"blank lines skipped", Standard_File("\r\n   \r\nK;1;A;0;0;d;\r\n\r\n"), {"A"}},
    };
    for (const auto& c : cases) EXPECT_EQ(Names(Read_EDE(c.text)), c.names) << c.name;
}

TEST(EDEReader, KeepsOnlyTheTableObjectTypesMarkedForImport) {
    std::string data;
    for (int type : {0, 1, 2, 3, 4, 5, 8, 13, 14, 19, 20, 21, 22, 23, 45, 46, 48, 128, -1})
        data += "K;1;T" + std::to_string(type) + ";" + std::to_string(type) + ";0;d;;;;" +
                (type == 2 ? "Y" : "N") + ";\r\n";
    const std::vector<TBACnet_Var> vars = Read_EDE(Standard_File(data));
    EXPECT_EQ(Names(vars), (std::vector<std::string>{"T0", "T1", "T2", "T3", "T4", "T5", "T13", "T14", "T19",
                                                     "T21", "T22", "T23", "T45", "T46", "T48"}));
    for (const TBACnet_Var& v : vars) {
        EXPECT_TRUE(v.import);
        EXPECT_TRUE(v.read);
        EXPECT_EQ(v.write, v.object_name == "T2") << v.object_name;
    }
}

TEST(EDEReader, ReadsTheCodePageOfTheExport) {
    // "Temp\xB0" in Windows-1252 is "Temp°".
    const std::vector<TBACnet_Var> vars = Read_EDE(Standard_File("K;1;Temp\xB0;0;0;d;\r\n"));
    ASSERT_EQ(vars.size(), 1u);
    EXPECT_EQ(vars[0].object_name, "Temp\xC2\xB0");
}

TEST(EDEReader, AFileThatCannotBeReadIsReported) {
    std::vector<TBACnet_Var> vars = {TBACnet_Var{}};
    std::string error;
    const std::string path = (std::filesystem::path(VASTRIMO_TEST_OUT) / "no-such-file.csv").string();
    EXPECT_FALSE(Load_EDE_File(path, vars, &error));
    EXPECT_NE(error, "");
    EXPECT_EQ(vars.size(), 1u);
}
