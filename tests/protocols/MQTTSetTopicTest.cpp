// The MQTT topic table: its check as the user reads it (one message per
// case, hidden columns included), the stored file with a multi-line
// template and what comes back from it, and the window driven with keys,
// the template typed in its editor.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "AccessWindowFixture.h"
#include "protocols/MQTT_Set_Topic.h"
#include "protocols/TopicTemplate.h"
#include "shell/Language.h"

namespace {

using namespace plat;
using prototest::PickCell;
using prototest::ReadFile;
using prototest::TCells;
using prototest::TypeCell;
using prototest::WriteFile;
namespace pub = proto::mqtt_pub;
namespace sub = proto::mqtt_sub;

std::string Data(const std::string& Name) {
    return ReadFile(std::string(VASTRIMO_TEST_DATA) + "/" + Name);
}

TCells Pub_Row(const TCells& Changes = {}) {
    TCells row = {{pub::Topic, "plant/temp"}, {pub::Retained, "N"},   {pub::QoS, "0"},
                  {pub::Data_Type, "Int"},    {pub::Dimension, "2"},  {pub::Position, "0"},
                  {pub::Template, "$VALUE$"}, {pub::On_Change, "Y"},  {pub::On_Timer, "N"},
                  {pub::Mnemonic, "Temp"}};
    for (const auto& [c, text] : Changes) row[c] = text;
    return row;
}

TCells Sub_Row(const TCells& Changes = {}) {
    TCells row = {{sub::Topic, "plant/set"},  {sub::QoS, "1"},       {sub::Data_Type, "Float"},
                  {sub::Dimension, "4"},      {sub::Position, "10"}, {sub::Template, "$VALUE$"},
                  {sub::Mnemonic, "Set"}};
    for (const auto& [c, text] : Changes) row[c] = text;
    return row;
}

std::vector<proto::TTable> Tables(const std::map<int, TCells>& Pub, const std::map<int, TCells>& Sub) {
    std::vector<proto::TTable> tables = proto::Reset_Tables(proto::MQTT_Set_Topic_Member.File);
    const std::map<int, TCells>* pages[] = {&Pub, &Sub};
    for (size_t t = 0; t < 2; ++t)
        for (const auto& [r, cells] : *pages[t])
            for (const auto& [c, text] : cells) tables[t][static_cast<size_t>(r - 1)][static_cast<size_t>(c)] = text;
    return tables;
}

std::string Message(const std::map<int, TCells>& Pub, const std::map<int, TCells>& Sub,
                    const proto::TShownColumns& Shown = proto::MQTT_Shown_Columns()) {
    return proto::Check_Message(proto::MQTT_Set_Topic_Member.Texts.Error_Row,
                                proto::Check_MQTT_Topics(Tables(Pub, Sub), Shown));
}

TEST(MQTTTopicTemplate, DollarSignsMustPair) {
    const struct {
        const char* text;
        bool fault;
    } cases[] = {{"", false}, {"plain", false}, {"$VALUE$", false}, {"$A$ $B$", false},
                 {"$", true}, {"$VALUE", true}, {"{\r\n\"v\": $VALUE$,\r\n\"t\": $DATE\r\n}", true}};
    for (const auto& c : cases) EXPECT_EQ(proto::Error_In_Topic_Template(c.text), c.fault) << c.text;
}

TEST(MQTTTopicCheck, Messages) {
    shell::Load_Default_Texts();
    const std::string P = "Error row 1!! [MQTT Publish] ";
    const std::string S = "Error row 1!! [MQTT Subscribe] ";
    const struct {
        const char* name;
        std::map<int, TCells> pub, sub;
        std::string message;
    } cases[] = {
        {"valid", {{1, Pub_Row()}}, {{1, Sub_Row()}}, ""},
        {"template one dollar", {{1, Pub_Row({{pub::Template, "$VALUE"}})}}, {}, P + "Template not Correct, Check the Keywords"},
        {"template empty", {{1, Pub_Row({{pub::Template, ""}})}}, {}, ""},
        {"template four dollars", {{1, Pub_Row({{pub::Template, "$A$-$B$"}})}}, {}, ""},
        {"no data type", {{1, Pub_Row({{pub::Data_Type, " "}})}}, {}, P + "Data Type must be selected"},
        {"int 3", {{1, Pub_Row({{pub::Dimension, "3"}})}}, {}, P + "Dimension must be equal to 1 or 2 or 4 or 8"},
        {"int 8", {{1, Pub_Row({{pub::Dimension, "8"}})}}, {}, ""},
        {"float 2", {{1, Pub_Row({{pub::Data_Type, "Float"}})}}, {}, P + "Dimension must be equal to 4 or 8"},
        {"float lower case 8", {{1, Pub_Row({{pub::Data_Type, " float"}, {pub::Dimension, "8"}})}}, {}, ""},
        {"string 0", {{1, Pub_Row({{pub::Data_Type, "String"}, {pub::Dimension, "0"}})}}, {}, P + "Dimension must be major of 0"},
        {"base64 300", {{1, Pub_Row({{pub::Data_Type, "Base64"}, {pub::Dimension, "300"}})}}, {}, ""},
        {"position 1500", {{1, Pub_Row({{pub::Position, "1500"}})}}, {}, P + "Position must be beetween 0 and 1499"},
        {"position 1499", {{1, Pub_Row({{pub::Position, "1499"}})}}, {}, ""},
        {"position negative", {{1, Pub_Row({{pub::Position, "-1"}})}}, {}, P + "Position must be beetween 0 and 1499"},
        {"position no number", {{1, Pub_Row({{pub::Position, "one"}})}}, {}, P + "Position must be beetween 0 and 1499"},
        {"timer too long", {{1, Pub_Row({{pub::On_Timer, "y"}, {pub::Time, "1000000000"}})}}, {},
         P + "Time(ms) must be between 1 and 999999999"},
        {"timer longest", {{1, Pub_Row({{pub::On_Timer, " y"}, {pub::Time, "999999999"}})}}, {}, ""},
        {"timer zero", {{1, Pub_Row({{pub::On_Timer, "Y"}, {pub::Time, "0"}})}}, {}, P + "Time(ms) must be between 1 and 999999999"},
        {"timer off, time unread", {{1, Pub_Row({{pub::On_Timer, "N"}, {pub::Time, "x"}})}}, {}, ""},
        {"hidden ip unchecked", {{1, Pub_Row({{pub::IP_Address, "nowhere"}, {pub::Input_Template, "$"}})}}, {}, ""},
        {"subscribe template", {}, {{1, Sub_Row({{sub::Template, "$"}})}}, S + "Template not Correct, Check the Keywords"},
        {"subscribe float 2", {}, {{1, Sub_Row({{sub::Dimension, "2"}})}}, S + "Dimension must be equal to 4 or 8"},
        {"subscribe int 3", {}, {{1, Sub_Row({{sub::Data_Type, "Int"}, {sub::Dimension, "3"}})}}, S + "Dimension must be equal to 1 or 2 or 4 or 8"},
        {"subscribe string 0", {}, {{1, Sub_Row({{sub::Data_Type, "String"}, {sub::Dimension, "0"}})}}, S + "Dimension must be major of 0"},
        {"subscribe no type", {}, {{1, Sub_Row({{sub::Data_Type, ""}})}}, S + "Data Type must be selected"},
        {"subscribe position", {}, {{1, Sub_Row({{sub::Position, "1500"}})}}, S + "Position must be beetween 0 and 1499"},
        {"subscribe hidden port unchecked", {}, {{1, Sub_Row({{sub::Port, "70000"}, {sub::IP_Address, "x"}})}}, ""},
        {"publish first", {{1, Pub_Row({{pub::Dimension, "3"}})}}, {{1, Sub_Row({{sub::Template, "$"}})}},
         P + "Dimension must be equal to 1 or 2 or 4 or 8"},
        {"first faulty row", {{1, Pub_Row()}, {2, Pub_Row()}, {3, Pub_Row()}, {4, Pub_Row()},
                              {5, Pub_Row({{pub::Position, "2000"}})}, {6, Pub_Row()}, {7, Pub_Row({{pub::Dimension, "3"}})}},
         {}, "Error row 5!! [MQTT Publish] Position must be beetween 0 and 1499"},
        {"blank topic ends the table", {{1, Pub_Row()}, {2, Pub_Row({{pub::Topic, "  "}})}, {3, Pub_Row({{pub::Dimension, "3"}})}},
         {}, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(Message(c.pub, c.sub), c.message) << c.name;
}

TEST(MQTTTopicCheck, ShownColumnsAreChecked) {
    shell::Load_Default_Texts();
    proto::TShownColumns shown = proto::MQTT_Shown_Columns();
    shown[0][pub::IP_Address] = shown[0][pub::Input_Template] = true;
    shown[1][sub::IP_Address] = shown[1][sub::Port] = shown[1][sub::Input_Template] = true;
    shown[0][pub::Template] = false;
    shown[0][pub::Data_Type] = false;
    const std::string P = "Error row 1!! [MQTT Publish] ";
    const std::string S = "Error row 1!! [MQTT Subscribe] ";
    const TCells pub_ok = {{pub::IP_Address, " 192.168.2.167 "}, {pub::Input_Template, "$V$"}};
    const TCells sub_ok = {{sub::IP_Address, "10.0.0.1"}, {sub::Port, "65535"}, {sub::Input_Template, ""}};
    const auto with = [](TCells row, const TCells& more) {
        for (const auto& [c, t] : more) row[c] = t;
        return row;
    };
    const struct {
        const char* name;
        TCells pub, sub;
        std::string message;
    } cases[] = {
        {"all valid, hidden template and type skipped", Pub_Row(with(pub_ok, {{pub::Template, "$"}, {pub::Data_Type, ""}})),
         Sub_Row(sub_ok), ""},
        {"publish ip", Pub_Row(with(pub_ok, {{pub::IP_Address, "192.168.2.300"}})), Sub_Row(sub_ok),
         P + "IP Address must be a Valid IP Address (Ex. 192.168.2.167)"},
        {"publish input template", Pub_Row(with(pub_ok, {{pub::Input_Template, "$"}})), Sub_Row(sub_ok),
         P + "Input Template not Correct, Check the Keywords"},
        {"subscribe ip", Pub_Row(pub_ok), Sub_Row(with(sub_ok, {{sub::IP_Address, ""}})),
         S + "IP Address must be a Valid IP Address (Ex. 192.168.2.167)"},
        {"subscribe port", Pub_Row(pub_ok), Sub_Row(with(sub_ok, {{sub::Port, "65536"}})),
         S + "Port must be between 0 and 65535"},
        {"subscribe input template", Pub_Row(pub_ok), Sub_Row(with(sub_ok, {{sub::Input_Template, "$x"}})),
         S + "Input Template not Correct, Check the Keywords"},
    };
    for (const auto& c : cases) EXPECT_EQ(Message({{1, c.pub}}, {{1, c.sub}}, shown), c.message) << c.name;
}

// The file keeps every stored column, hidden ones and line breaks included;
// the columns it does not store come back with their defaults.
TEST(MQTTTopicFile, SavedFileAndWhatComesBack) {
    const std::string json = "{\r\n  \"v\": $VALUE$,\r\n  \"unit\": \"C\" <&>\r\n}";
    TCells pub_row = Pub_Row({{pub::IP_Address, "10.0.0.9"}, {pub::Input_Template, "in\nline"}, {pub::Template, json},
                              {pub::On_CMD, "Y"}, {pub::On_Timer, "Y"}, {pub::Time, "1000"}, {pub::Channel, "All"},
                              {pub::Swap, "Y"}, {pub::Swap_Word, "Y"}, {pub::Mnemonic, " spaced "}});
    TCells sub_row = Sub_Row({{sub::Port, "502"}, {sub::Eth_Type, "UDP"}, {sub::Swap, "Y"}, {sub::Swap_Word, "Y"}});
    const std::vector<proto::TTable> tables = Tables({{1, pub_row}, {2, Pub_Row({{pub::Topic, "plant/b"}})}},
                                                     {{1, sub_row}});
    const std::string xml = proto::Access_To_Xml(proto::MQTT_Set_Topic_Member.File, tables);
    EXPECT_EQ(xml, Data("MQTT_Set_Topic_saved.xml"));

    std::vector<proto::TTable> back = proto::Reset_Tables(proto::MQTT_Set_Topic_Member.File);
    const proto::TLoadReport report = proto::Read_Access_Xml(proto::MQTT_Set_Topic_Member.File, xml, back);
    ASSERT_TRUE(report.Clean()) << report.Error;
    proto::TTableRow expected_pub = tables[0][0];
    expected_pub[pub::On_CMD] = "";
    expected_pub[pub::Channel] = "";
    expected_pub[pub::Swap] = expected_pub[pub::Swap_Word] = "N";
    EXPECT_EQ(back[0][0], expected_pub);
    EXPECT_EQ(back[0][0][pub::Template], json);
    proto::TTableRow expected_sub = tables[1][0];
    expected_sub[sub::Swap] = expected_sub[sub::Swap_Word] = "N";
    EXPECT_EQ(back[1][0], expected_sub);
    EXPECT_EQ(proto::Access_To_Xml(proto::MQTT_Set_Topic_Member.File, back), xml);
}

TEST(MQTTTopicFile, MissingOptionalAttributesTakeTheirDefaults) {
    const std::string xml =
        "<MQTT_Set_Topic><MQTT_Publish><row Topic=\"a\" Retained=\"Y\" QoS=\"1\" Mnemonic=\"m\"/></MQTT_Publish>"
        "<MQTT_Subscribe><row Topic=\"b\" Retained=\"\" QoS=\"2\" Mnemonic=\"\"/></MQTT_Subscribe></MQTT_Set_Topic>";
    std::vector<proto::TTable> back = proto::Reset_Tables(proto::MQTT_Set_Topic_Member.File);
    ASSERT_TRUE(proto::Read_Access_Xml(proto::MQTT_Set_Topic_Member.File, xml, back).Clean());
    EXPECT_EQ(back[0][0], (proto::TTableRow{"1", "a", "Y", "1", "", "", "", "", "", "", "N", "", "N", "", "", "N", "N", "m"}));
    EXPECT_EQ(back[1][0], (proto::TTableRow{"1", "b", "", "2", "", "", "", "", "", "", "", "", "N", "N", ""}));
}

// Types into an editable drop-down cell: Enter opens it, the text goes into
// its edit part, Enter ends the edit (display column).
void TypeCombo(grid::TExtColumnGrid& g, int c, int r, const std::string& text) {
    prototest::Focus(g);
    g.SetRow(r);
    g.SetCol(c);
    test::SendKey(g, VK_RETURN);
    ASSERT_TRUE(g.EditMode());
    TComboBox& combo = *g.EditCombo();
    test::TypeText(combo, text);
    test::SendKey(combo, VK_RETURN);
    test::ProcessEvents();
    ASSERT_EQ(g.Cells(g.RealColIndex(c), r), text);
}

class MQTTWindow : public prototest::AccessWindowTest<proto::TFMQTT_Set_Topic> {
protected:
    void SetUp() override {
        OpenWindow("mqtt_window");
        editor = std::make_unique<proto::TFTopicTemplate>(nullptr);
        editor->DoCreate();
        proto::FTopicTemplate = editor.get();
    }
    void TearDown() override {
        proto::FTopicTemplate = nullptr;
        editor.reset();
        AccessWindowTest::TearDown();
    }
    // A double click on a cell given by its real column.
    void DoubleClick(grid::TExtColumnGrid& g, int real_col, int r) {
        const int c = g.DisplColIndex(real_col);
        const TRect rc = g.GridCellRect(c, r);
        ASSERT_LT(rc.Left, rc.Right);
        test::DoubleClickAt(g, (rc.Left + rc.Right) / 2, (rc.Top + rc.Bottom) / 2);
        test::ProcessEvents();
    }
    std::unique_ptr<proto::TFTopicTemplate> editor;
};

TEST_F(MQTTWindow, TemplateTypedInTheEditorIsCheckedAndSaved) {
    test::TScriptedUi ui;
    ui.AnswerBox(mrOk);
    std::string cancelled_caption, typed_caption;
    bool description_read_only = false;
    const TModalResult result = Open(ui, [&] {
        grid::TExtColumnGrid& g = Grid(0);
        EXPECT_FALSE(g.IsHiddenColumn(pub::Template));
        EXPECT_TRUE(g.IsHiddenColumn(pub::IP_Address));
        TypeCell(g, g.DisplColIndex(pub::Topic), 1, "plant/temp");
        PickCell(g, g.DisplColIndex(pub::QoS), 1, 1);
        PickCell(g, g.DisplColIndex(pub::Data_Type), 1, 0);
        TypeCell(g, g.DisplColIndex(pub::Dimension), 1, "3");
        TypeCell(g, g.DisplColIndex(pub::Position), 1, "10");
        TypeCombo(g, g.DisplColIndex(pub::Template), 1, "$TEMP");
        TypeCell(g, g.DisplColIndex(pub::Mnemonic), 1, "Temp");
        test::ClickAt(*dlg->Btn_OK);  // Dimension 3 for Int
        TypeCell(g, g.DisplColIndex(pub::Dimension), 1, "4");
        test::ClickAt(*dlg->Btn_OK);  // one "$"
        EXPECT_EQ(dlg->ModalResult(), mrNone);

        ui.OnModal([&](TForm&) {
            test::ProcessEvents();
            cancelled_caption = editor->Caption();
            test::TypeText(*editor->RE_TopicTemplate, "lost");
            test::ClickAt(*editor->Btn_Cancel);
            return mrNone;
        });
        DoubleClick(g, pub::Template, 1);  // cancelled
        EXPECT_EQ(g.Cells(pub::Template, 1), "$TEMP");
        ui.OnModal([&](TForm&) {
            test::ProcessEvents();
            typed_caption = editor->L_SW_Desc->Caption();
            description_read_only = editor->ESG_Keywords->ReadOnly(1, 1) && !editor->ESG_Keywords->ReadOnly(0, 1);
            test::SendKey(*editor->RE_TopicTemplate, VK_END);
            test::TypeText(*editor->RE_TopicTemplate, "$");
            test::SendKey(*editor->RE_TopicTemplate, VK_RETURN);
            test::TypeText(*editor->RE_TopicTemplate, "unit C");
            test::ClickAt(*editor->Btn_OK);
            return mrNone;
        });
        DoubleClick(g, pub::Template, 1);
        EXPECT_EQ(g.Cells(pub::Template, 1), "$TEMP$\r\nunit C");
        g.SetCol(g.DisplColIndex(pub::Topic));
        EXPECT_TRUE(test::SaveScreenshot(*dlg, std::string(VASTRIMO_TEST_OUT) + "/TFMQTT_Set_Topic.png"));
        test::ClickAt(*dlg->Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(cancelled_caption, "Set Template");
    EXPECT_EQ(typed_caption, "Set Template");
    EXPECT_TRUE(description_read_only);
    ASSERT_EQ(ui.Boxes().size(), 2u);
    EXPECT_EQ(ui.Boxes()[0].Text, "Error row 1!! [MQTT Publish] Dimension must be equal to 1 or 2 or 4 or 8");
    EXPECT_EQ(ui.Boxes()[1].Text, "Error row 1!! [MQTT Publish] Template not Correct, Check the Keywords");
    EXPECT_EQ(ReadFile(shell::MQTT_Set_Topic_File), Data("MQTT_Set_Topic_window.xml"));
}

TEST_F(MQTTWindow, RowButtonsWorkOnTheShownPage) {
    test::TScriptedUi ui;
    ui.AnswerBox(mrOk);
    Open(ui, [&] {
        SetRows(0, {{1, Pub_Row()}, {2, Pub_Row({{pub::Topic, "second"}})}});
        SetRows(1, {{1, Sub_Row()}});
        Grid(0).SetRow(1);
        test::ClickAt(*dlg->Btn_InsRow);
        EXPECT_EQ(Grid(0).Cells(pub::Topic, 1), "");
        EXPECT_EQ(Grid(0).Cells(pub::Topic, 3), "second");
        EXPECT_EQ(Grid(1).Cells(sub::Topic, 1), "plant/set");
        Grid(0).SetRow(2);
        test::ClickAt(*dlg->Btn_CopyRow);
        ShowPage(1);
        Grid(1).SetRow(2);
        test::ClickAt(*dlg->Btn_PasteRow);
        EXPECT_EQ(Grid(1).Cells(sub::Topic, 2), "");
        test::ClickAt(*dlg->Btn_Cancel);
    });
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].Text, shell::Lang_Texts[1502]);
}

TEST(TopicTemplateEditor, TitlesFollowTheKindOfText) {
    ASSERT_NO_FATAL_FAILURE(gwtest::OpenPlantConfiguration(std::string(VASTRIMO_TEST_OUT) + "/topic_template"));
    InitApplication();
    proto::TFTopicTemplate editor(nullptr);
    editor.DoCreate();
    EXPECT_EQ(editor.Caption(), "Set Topic");
    const struct {
        int kind;
        const char* title;
    } cases[] = {{0, "Set Topic"}, {1, "Set Template"}, {7, "Set Template"}};
    for (const auto& c : cases) {
        test::TScriptedUi ui;
        std::string caption, desc;
        int rows = 0;
        ui.OnModal([&](TForm&) {
            test::ProcessEvents();
            caption = editor.Caption();
            desc = editor.L_SW_Desc->Caption();
            rows = editor.ESG_Keywords->RowCount();
            EXPECT_EQ(editor.ActiveControl(), editor.RE_TopicTemplate);
            return mrCancel;
        });
        editor.TopicTemplate = c.kind;
        std::string text = "kept";
        EXPECT_FALSE(editor.Edit(text));
        EXPECT_EQ(text, "kept");
        EXPECT_EQ(caption, c.title) << c.kind;
        EXPECT_EQ(desc, c.title) << c.kind;
        EXPECT_EQ(rows, 2) << c.kind;
    }
    if (::testing::Test::HasFailure()) return;
    test::TScriptedUi ui;
    ui.OnModal([&](TForm&) {
        test::ProcessEvents();
        EXPECT_TRUE(test::SaveScreenshot(editor, std::string(VASTRIMO_TEST_OUT) + "/TFTopicTemplate.png"));
        return mrOk;
    });
    std::string text = "line 1\nline 2";
    EXPECT_TRUE(editor.Edit(text));
    EXPECT_EQ(text, "line 1\r\nline 2");
}

}  // namespace
