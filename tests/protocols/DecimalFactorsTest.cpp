// Every factor a user types into a protocol table takes the decimal comma
// and the decimal point alike, whichever mark the user's region has.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "IEC_ClientRows.h"
#include "base/StrUtils.h"
#include "protocols/IEC61850_Variables.h"
#include "protocols/IEC_Client_Rows.h"
#include "protocols/KNXAccess.h"

namespace {

using proto::TTable;

// The table of a member with row 1 changed as given.
std::vector<TTable> Row_One(const proto::TAccessMember& Member, const std::map<int, std::string>& Cells) {
    std::vector<TTable> tables = proto::Reset_Tables(Member.File);
    for (const auto& [c, text] : Cells) tables[0][0][static_cast<size_t>(c)] = text;
    return tables;
}

// Whether the check of each table passes a row whose factor is Factor.
const struct {
    const char* table;
    std::function<bool(const std::string& Factor, char Region)> passes;
} Factor_Checks[] = {
    {"IEC 61850 server variables",
     [](const std::string& Factor, char Region) {
         using namespace proto::iec_var;
         return proto::Check_IEC61850_Variables(
                    Row_One(proto::IEC61850_Variables_Member,
                            {{Name, "T"}, {Type, "Float"}, {Length, "4"}, {Position, "0"}, {Conversion, "None"},
                             {Molt_Factor, Factor}}),
                    Region)
             .Ok();
     }},
    {"IEC 61850 client variables",
     [](const std::string& Factor, char Region) {
         proto::TIEC_DA_Row row = prototest::Passing_Variable();
         row[proto::DA_Col_MoltFact] = Factor;
         return proto::Controllo_dati({row}, Region).Ok();
     }},
    {"KNX rules",
     [](const std::string& Factor, char Region) {
         return proto::Check_KNX_Tables(
                    Row_One(proto::KNX_Access_Member,
                            {{2, "1.1.20"}, {3, "1/2/3"}, {4, "Write"}, {5, "Normal"}, {6, "None"}, {7, Factor},
                             {8, "N"}, {9, "N"}, {10, "N"}, {11, "N"}, {12, "N"}, {14, "0"}, {15, "No"}, {16, "1"},
                             {17, "0"}}),
                    Region)
             .Ok();
     }},
};

TEST(DecimalFactors, BothMarksInBothRegions) {
    // The program's own number format is left as it is, as in the program.
    ASSERT_EQ(base::DecimalSeparator(), '.');
    const struct {
        const char* factor;
        bool passes;
    } factors[] = {{"1,5", true}, {"1.5", true}, {"-0,25", true}, {"10", true}, {"1,5,0", false}, {"x", false}};
    for (const auto& check : Factor_Checks)
        for (const char region : {',', '.'})
            for (const auto& f : factors)
                EXPECT_EQ(check.passes(f.factor, region), f.passes)
                    << check.table << ": \"" << f.factor << "\" in a '" << region << "' region";
}

}  // namespace
