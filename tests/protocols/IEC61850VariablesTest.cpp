// The IEC 61850 server variable table: its check as the user reads it (one
// message per case), and the window driven with the keyboard, saved to a
// stored file and read back with the defaults of a sparse file.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "AccessWindowFixture.h"
#include "platform/UserLocale.h"
#include "protocols/IEC61850_Variables.h"
#include "shell/Language.h"
#include "shell/ValueHelpers.h"

namespace {

using namespace plat;
using namespace proto::iec_var;
using prototest::PickCell;
using prototest::ReadFile;
using prototest::TCells;
using prototest::TypeCell;
using prototest::WriteFile;

// An enabled row that passes: Length 4 at the last position.
TCells Good_Row() {
    return {{Enable, "Y"},         {Name, "Temp"},        {Type, "Int"},    {Length, "4"},
            {Position, "1437"},    {Conversion, "None"},  {Molt_Factor, "None"}};
}

// The message the window shows for rows 1.. of a table, "" when it passes.
std::string Message(const std::vector<TCells>& Rows) {
    std::vector<proto::TTable> tables = proto::Reset_Tables(proto::IEC61850_Variables_Member.File);
    for (size_t r = 0; r < Rows.size(); ++r)
        for (const auto& [c, text] : Rows[r]) tables[0][r][static_cast<size_t>(c)] = text;
    return proto::Check_Message(proto::IEC61850_Variables_Member.Texts.Error_Row,
                                proto::Check_IEC61850_Variables(tables, shell::Get_Decimal_Separator()));
}

TCells With(TCells Row, const TCells& Changes) {
    for (const auto& [c, text] : Changes) Row[c] = text;
    return Row;
}

TEST(IEC61850VariablesCheck, Messages) {
    shell::Load_Default_Texts();
    const std::string digital = "Digital (Bit)";
    const struct {
        const char* name;
        std::vector<TCells> rows;
        std::string message;
    } cases[] = {
        {"valid", {Good_Row()}, ""},
        {"length 0", {With(Good_Row(), {{Length, "0"}})}, "Error row 1!! Length must be between 1 and 4"},
        {"length 5", {With(Good_Row(), {{Length, "5"}})}, "Error row 1!! Length must be between 1 and 4"},
        {"length 1 hex", {With(Good_Row(), {{Length, "$1"}})}, ""},
        {"blanks around numbers", {With(Good_Row(), {{Length, " 4"}, {Position, "12 "}})}, ""},
        {"position past the end", {With(Good_Row(), {{Position, "1438"}})},
         "Error row 1!! Position must be between 0 and 1437"},
        {"position negative", {With(Good_Row(), {{Position, "-1"}})},
         "Error row 1!! Position must be between 0 and 1437"},
        {"position no number", {With(Good_Row(), {{Position, "ten"}})},
         "Error row 1!! Position must be between 0 and 1437"},
        {"digital without bit", {With(Good_Row(), {{Type, digital}})},
         "Error row 1!! Start Bit must be Selected "},
        {"digital with bit", {With(Good_Row(), {{Type, digital}, {Start_Bit, "7"}})}, ""},
        {"int without bit", {With(Good_Row(), {{Type, "Int"}, {Start_Bit, ""}})}, ""},
        {"digital is compared exactly", {With(Good_Row(), {{Type, "digital (bit)"}})}, ""},
        {"no conversion", {With(Good_Row(), {{Type, "Float"}, {Conversion, " "}})},
         "Error row 1!! Conversion must be Selected "},
        {"factor none any case", {With(Good_Row(), {{Molt_Factor, " none "}})}, ""},
        {"factor empty", {With(Good_Row(), {{Molt_Factor, ""}})}, "Error row 1!! Molt. Factor must be a valid Float"},
        {"factor text", {With(Good_Row(), {{Molt_Factor, "ten"}})}, "Error row 1!! Molt. Factor must be a valid Float"},
        {"factor point", {With(Good_Row(), {{Molt_Factor, "0.5"}})}, ""},
        {"factor comma", {With(Good_Row(), {{Molt_Factor, "0,5"}})}, ""},
        {"disabled row unchecked", {With(Good_Row(), {{Enable, "N"}, {Length, "9"}, {Conversion, ""}})}, ""},
        {"lower-case y is disabled", {With(Good_Row(), {{Enable, "y"}, {Length, "9"}})}, ""},
        {"first fault of the row", {With(Good_Row(), {{Length, "9"}, {Position, "9999"}})},
         "Error row 1!! Length must be between 1 and 4"},
        {"first faulty row", {Good_Row(), With(Good_Row(), {{Position, "2000"}}), With(Good_Row(), {{Length, "0"}})},
         "Error row 2!! Position must be between 0 and 1437"},
        {"blank name ends the table", {Good_Row(), With(Good_Row(), {{Name, "  "}}), With(Good_Row(), {{Length, "0"}})},
         ""},
    };
    for (const auto& c : cases) EXPECT_EQ(Message(c.rows), c.message) << c.name;
}

class IEC61850VariablesWindow : public prototest::AccessWindowTest<proto::TFIEC61850_Variables> {
protected:
    void SetUp() override { OpenWindow("iec61850_variables_window"); }
};

TEST_F(IEC61850VariablesWindow, TypedRowIsRefusedUntilRightThenSaved) {
    test::TScriptedUi ui;
    ui.AnswerBox(mrOk);
    const TModalResult result = Open(ui, [&] {
        grid::TExtColumnGrid& g = Grid(0);
        EXPECT_EQ(g.RowCount(), 51);
        EXPECT_EQ(g.Cells(Enable, 50), "Y");
        TypeCell(g, Name, 1, "Temp.Ist");
        PickCell(g, Type, 1, 2);  // "Digital (Bit)"
        TypeCell(g, Length, 1, "1");
        TypeCell(g, Position, 1, "12");
        PickCell(g, Conversion, 1, 0);
        PickCell(g, Molt_Factor, 1, 0);  // "None"
        TypeCell(g, Mnemonic, 1, "Alarm \"A\" & <B>");
        test::ClickAt(*dlg->Btn_OK);  // no start bit yet
        EXPECT_EQ(dlg->ModalResult(), mrNone);
        PickCell(g, Start_Bit, 1, 3);
        EXPECT_TRUE(test::SaveScreenshot(*dlg, std::string(VASTRIMO_TEST_OUT) + "/TFIEC61850_Variables.png"));
        test::ClickAt(*dlg->Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].Type, mtError);
    EXPECT_EQ(ui.Boxes()[0].Text, "Error row 1!! Start Bit must be Selected ");
    EXPECT_EQ(ReadFile(shell::IEC61850_Variables_File),
              ReadFile(std::string(VASTRIMO_TEST_DATA) + "/IEC61850_Variables_saved.xml"));
}

// A user whose region writes numbers as "1,5" (Italian settings) types
// factors with either mark; both are taken and saved as typed.
TEST_F(IEC61850VariablesWindow, FactorsTypedUnderACommaRegion) {
    const std::string locales = std::string(VASTRIMO_TEST_OUT) + "/locales";
    const std::string italian = platformtest::BuildLocale(locales, "it_IT");
    if (italian.empty()) GTEST_SKIP() << "localedef cannot build it_IT here";
    platformtest::TUserNumbers region(locales, italian);
    ASSERT_EQ(shell::Get_Decimal_Separator(), ',');
    test::TScriptedUi ui;
    const TModalResult result = Open(ui, [&] {
        grid::TExtColumnGrid& g = Grid(0);
        const char* const factors[] = {"1,5", "0.25"};
        for (int r = 1; r <= 2; ++r) {
            TypeCell(g, Name, r, "V" + std::to_string(r));
            PickCell(g, Type, r, 1);  // "Float"
            TypeCell(g, Length, r, "4");
            TypeCell(g, Position, r, std::to_string(4 * r));
            PickCell(g, Conversion, r, 0);
            // The factor is an editable drop-down: the typing goes on in its edit.
            const std::string factor = factors[r - 1];
            g.SetCol(Molt_Factor);
            test::TypeText(g, factor.substr(0, 1));
            ASSERT_TRUE(g.EditMode());
            test::TypeText(*g.EditCombo(), factor.substr(1));
            test::SendKey(*g.EditCombo(), VK_RETURN);
            EXPECT_EQ(g.Cells(Molt_Factor, r), factor);
        }
        test::ClickAt(*dlg->Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_TRUE(ui.Boxes().empty()) << ui.Boxes().at(0).Text;
    const std::string saved = ReadFile(shell::IEC61850_Variables_File);
    EXPECT_NE(saved.find("Name=\"V1\" Type=\"Float\" Length=\"4\""), std::string::npos) << saved;
    EXPECT_NE(saved.find("MultiplicationFactor=\"1,5\""), std::string::npos) << saved;
    EXPECT_NE(saved.find("MultiplicationFactor=\"0.25\""), std::string::npos) << saved;
}

TEST_F(IEC61850VariablesWindow, MissingAttributesTakeTheirDefaults) {
    WriteFile(shell::IEC61850_Variables_File,
              "<IEC61850_Variables><row Name=\"A\" Length=\"4\"/><row Enable=\"N\" Name=\"B\" ReadOnly=\"Y\"/>"
              "</IEC61850_Variables><!--SW_VERSION = 1.000-->");
    test::TScriptedUi ui;
    Open(ui, [&] {
        const proto::TTable rows = dlg->Grid_Tables()[0];
        EXPECT_EQ(rows[0], (proto::TTableRow{"1", "Y", "A", "", "4", "N", "", "", "", "", "N", "N", ""}));
        EXPECT_EQ(rows[1], (proto::TTableRow{"2", "N", "B", "", "", "Y", "", "", "", "", "N", "N", ""}));
        EXPECT_EQ(rows[2][Enable], "Y");
        test::ClickAt(*dlg->Btn_Cancel);
    });
    EXPECT_TRUE(ui.Boxes().empty());
}

}  // namespace
