#include "protocols/IEC_Client_Rows.h"

#include "IEC_ClientRows.h"
#include "shell/Language.h"

#include <gtest/gtest.h>

using namespace proto;

namespace {

TIEC_DA_Row Good_Row(const std::string& bType = "FLOAT32") { return prototest::Passing_Variable(bType); }

}  // namespace

TEST(IEC_Client_Rows, StartAndNumByteFollowTheBasicType) {
    const struct {
        const char* bType;
        const char* start;
        const char* num;
        bool fixed;
    } cases[] = {
        {"FLOAT32", "0", "4", true},     {"Int32U", "0", "4", true},    {"INT32", "0", "4", true},
        {"Quality", "0", "4", true},     {"FLOAT64", "0", "8", true},   {"INT64", "0", "8", true},
        {"INT8U", "0", "1", true},       {"INT8", "0", "1", true},      {"BOOLEAN", "0", "1", true},
        {"Timestamp", "0", "1", true},   {"Enum", "0", "1", true},      {"INT16U", "0", "2", true},
        {"int16", "0", "2", true},       {"VisString255", "5", "2", false}, {"Octet64", "5", "2", false},
        {"Dbpos", "5", "2", false},      {"", "5", "2", false},
    };
    std::vector<TIEC_DA_Row> rows;
    for (const auto& c : cases) {
        TIEC_DA_Row& row = rows.emplace_back();
        row[DA_Col_bType] = c.bType;
        row[DA_Col_StartByte] = "5";
        row[DA_Col_NumByte] = "2";
    }
    std::vector<bool> fixed;
    Set_Start_Num_Byte(rows, &fixed);
    ASSERT_EQ(fixed.size(), rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        EXPECT_EQ(rows[r][DA_Col_StartByte], cases[r].start) << cases[r].bType;
        EXPECT_EQ(rows[r][DA_Col_NumByte], cases[r].num) << cases[r].bType;
        EXPECT_EQ(fixed[r], cases[r].fixed) << cases[r].bType;
    }
}

TEST(IEC_Client_Rows, CheckGivesTheFirstBrokenRuleOfARow) {
    const struct {
        const char* name;
        int column;
        const char* value;
        const char* bType;
        int text;
    } cases[] = {
        {"good", DA_Col_Mnemonic, "", "FLOAT32", 0},
        {"visible string start", DA_Col_StartByte, "255", "VisString255", 3262},
        {"visible string empty start", DA_Col_StartByte, "", "VISSTRING255", 3262},
        {"visible string count", DA_Col_NumByte, "256", "VisString255", 3263},
        {"visible string sum", DA_Col_StartByte, "252", "VisString255", 3264},
        {"octet start", DA_Col_StartByte, "64", "Octet64", 3265},
        {"octet count", DA_Col_NumByte, "0", "Octet64", 3266},
        {"octet sum", DA_Col_StartByte, "61", "Octet64", 3267},
        {"octet at the end", DA_Col_StartByte, "60", "Octet64", 0},
        {"fixed type has no byte rule", DA_Col_StartByte, "300", "FLOAT32", 0},
        {"address", DA_Col_IPAddress, "192.168.1", "FLOAT32", 3253},
        {"port", DA_Col_Port, "65536", "FLOAT32", 3254},
        {"port in hexadecimal", DA_Col_Port, "$FFFF", "FLOAT32", 0},
        {"position", DA_Col_Position, "1400", "FLOAT32", 3256},
        {"position text", DA_Col_Position, "a", "FLOAT32", 3256},
        {"factor none in any case", DA_Col_MoltFact, " nOnE ", "FLOAT32", 0},
        {"factor with comma", DA_Col_MoltFact, "1,5", "FLOAT32", 0},
        {"factor with point", DA_Col_MoltFact, "1.5", "FLOAT32", 0},
        {"factor empty", DA_Col_MoltFact, "", "FLOAT32", 3257},
        {"factor text", DA_Col_MoltFact, "x", "FLOAT32", 3257},
    };
    for (const auto& c : cases) {
        TIEC_DA_Row row = Good_Row(c.bType);
        row[DA_Col_NumByte] = "4";
        row[c.column] = c.value;
        const TCheckOutcome result = Controllo_dati({row}, '.');
        EXPECT_EQ(result.Fault.Text, c.text) << c.name;
        EXPECT_EQ(result.Row, c.text ? 1 : 0) << c.name;
    }
}

TEST(IEC_Client_Rows, TimeIsCheckedOnlyOnTimer) {
    TIEC_DA_Row row = Good_Row();
    row[DA_Col_Time] = "";
    EXPECT_TRUE(Controllo_dati({row}, '.').Ok());
    row[DA_Col_OnTimer] = " Y";
    EXPECT_EQ(Controllo_dati({row}, '.').Fault.Text, 3255);
    row[DA_Col_Time] = "100000000";
    EXPECT_TRUE(Controllo_dati({row}, '.').Ok());
    row[DA_Col_Time] = "100000001";
    EXPECT_EQ(Controllo_dati({row}, '.').Fault.Text, 3255);
}

TEST(IEC_Client_Rows, RowsWithoutTypeAreSkippedAndTheWalkGoesOn) {
    TIEC_DA_Row untyped;  // every other cell would fail too
    TIEC_DA_Row bad = Good_Row();
    bad[DA_Col_Position] = "1400";
    EXPECT_TRUE(Controllo_dati({untyped}, '.').Ok());
    EXPECT_TRUE(Controllo_dati({}, '.').Ok());
    const TCheckOutcome result = Controllo_dati({Good_Row(), untyped, bad}, '.');
    EXPECT_EQ(result, (TCheckOutcome{0, 3, Fault(3256, Position_Max)}));

    shell::Load_Default_Texts();
    EXPECT_EQ(Check_Message(Error_Row_Text, result), "Error row 3!! Position must be between 0 and 1399");
    TIEC_DA_Row visible = Good_Row("VisString255");
    visible[DA_Col_StartByte] = visible[DA_Col_NumByte] = "";
    EXPECT_EQ(Check_Message(Error_Row_Text, Controllo_dati({visible}, '.')),
              "Error row 1!! Start Byte must be between 0 and 254");
}

TEST(IEC_Client_Rows, RemovingTheLastRowKeepsAnEmptyNumberedRow) {
    std::vector<TIEC_DA_Row> rows = {Good_Row(), Good_Row("INT8")};
    EXPECT_FALSE(Remove_Row(rows, 0));
    EXPECT_FALSE(Remove_Row(rows, 3));
    ASSERT_TRUE(Remove_Row(rows, 1));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][DA_Col_bType], "INT8");
    EXPECT_EQ(rows[0][DA_Col_Num], "1");
    ASSERT_TRUE(Remove_Row(rows, 1));
    TIEC_DA_Row empty;
    empty[DA_Col_Num] = "1";
    EXPECT_EQ(rows, std::vector<TIEC_DA_Row>{empty});
}
