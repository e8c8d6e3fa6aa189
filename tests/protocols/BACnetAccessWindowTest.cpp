#include <gtest/gtest.h>

#include "AccessWindowFixture.h"
#include "BACnetTestSupport.h"
#include "base/Files.h"
#include "protocols/BACnetAccess.h"
#include "protocols/BACnetAccessData.h"
#include "protocols/ImportEDEFile.h"

using namespace plat;
using namespace prototest;
using proto::TFBACnetAccess;

namespace {

class BACnetAccessWindow : public AccessWindowTest<TFBACnetAccess> {
protected:
    void OpenWith(const std::string& folder, const char* kind) {
        OpenWindow(folder);
        if (kind)
            WriteFile(shell::ParGen_File, std::string("<Par_Gen><BACnet_Master_Type>") + kind +
                                              "</BACnet_Master_Type></Par_Gen>");
        import = std::make_unique<proto::TFImportEDEFile>(nullptr);
        import->DoCreate();
        proto::FImportEDEFile = import.get();
    }
    void TearDown() override {
        proto::FImportEDEFile = nullptr;
        import.reset();
        AccessWindowTest::TearDown();
    }
    std::unique_ptr<proto::TFImportEDEFile> import;
};

std::map<int, std::string> Cells_Of(const proto::TTableRow& row) {
    std::map<int, std::string> cells;
    for (size_t c = 1; c < row.size(); ++c) cells[static_cast<int>(c)] = row[c];
    return cells;
}

}  // namespace

TEST_F(BACnetAccessWindow, ChecksAndSavesTheRules) {
    OpenWith("bacnet_access_save", "0");
    test::TScriptedUi ui;
    bool refusedStayedOpen = false;
    const TModalResult result = Open(ui, [&] {
        SetRows(0, {{1, Cells_Of(bactest::Read_Row({{proto::bac_read::Instance, "4294967296"}}))}});
        SetRows(1, {{1, Cells_Of(bactest::Write_Row({{proto::bac_write::Data_Type, "Signed Int"}}))}});
        test::ClickAt(*dlg->Btn_OK);
        refusedStayedOpen = dlg->ModalResult() == mrNone;
        SetRows(0, {{1, {{proto::bac_read::Instance, "4294967295"}}}});
        test::ClickAt(*dlg->Btn_OK);
        SetRows(1, {{1, {{proto::bac_write::Data_Type, "Real"}}}});
        test::ClickAt(*dlg->Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_TRUE(refusedStayedOpen);
    ASSERT_EQ(ui.Boxes().size(), 2u);
    EXPECT_EQ(ui.Boxes()[0].Text, "Error in Read, row 1!! Instance must be between 0 and 4294967295");
    EXPECT_EQ(ui.Boxes()[1].Text,
              "Error in Write, row 1!! Data Type is not correct. Aspected Data Type is Real");
    proto::TBACnetAccessData saved;
    std::string error;
    ASSERT_TRUE(proto::Load_BACnet_Access(shell::BACnet_Master_Access_File, saved, &error)) << error;
    EXPECT_EQ(saved.Read[0][proto::bac_read::Instance], "4294967295");
    EXPECT_EQ(saved.Write[0][proto::bac_write::Data_Type], "Real");
    EXPECT_EQ(saved.Read[1][proto::bac_read::Object_Type], "");
}

TEST_F(BACnetAccessWindow, ClientKindDecidesTheAddressColumn) {
    const struct {
        const char* kind;  // nullptr: no parameter file
        bool box;
        const char* header;
        bool shown;
    } cases[] = {
        {nullptr, true, "IP Address", true}, {"1", false, "Slave ID", true}, {"2", false, "", false}};
    for (const auto& c : cases) {
        OpenWith("bacnet_access_kind", c.kind);
        test::TScriptedUi ui;
        Open(ui, [&] {
            EXPECT_EQ(dlg->Table_Grid(0).IsHiddenColumn(proto::bac_read::Address), !c.shown) << c.kind;
            if (c.shown) {
                EXPECT_EQ(dlg->Table_Grid(1).Columns().Items(proto::bac_write::Address).Header(), c.header);
                // A language change keeps the kind's header.
                dlg->Set_Lang();
                EXPECT_EQ(dlg->Table_Grid(0).Columns().Items(proto::bac_read::Address).Header(), c.header);
            }
            test::ClickAt(*dlg->Btn_Cancel);
        });
        ASSERT_EQ(ui.Boxes().size(), c.box ? 1u : 0u) << (c.kind ? c.kind : "none");
        if (c.box)
            EXPECT_EQ(ui.Boxes()[0].Text, "Select the BACnet Type in the \"Set Communication\" section");
        TearDown();
    }
}

TEST_F(BACnetAccessWindow, ImportsTheMarkedObjectsOfAnEdeFile) {
    OpenWith("bacnet_access_import", "0");
    const std::string ede = shell::Conf_Path + "/device.csv";
    WriteFile(ede,
              "1\r\n2\r\n3\r\n4\r\n5\r\n# mandatory;mandatory\r\n# keyname;x\r\n"
              "K;1;Room;0;3;Temp;62;\r\nK;1;Set;2;4;Setpoint;;;;Y;\r\n");
    test::TScriptedUi ui;
    Open(ui, [&] {
        // A row in use stays; the import goes on after it.
        SetRows(0, {{1, Cells_Of(bactest::Read_Row({{proto::bac_read::Position, "10"}}))}});
        ui.AnswerFileDialog(ede);
        ui.OnModal([&](TForm&) {
            test::TypeText(*import->E_ID_IP, "10.0.0.9");
            test::ClickAt(*import->Btn_OK);
            return mrNone;
        });
        test::ClickAt(*dlg->Btn_Import_CSV);
        EXPECT_TRUE(test::SaveScreenshot(*dlg, std::string(VASTRIMO_TEST_OUT) + "/TFBACnetAccess.png"));
        test::ClickAt(*dlg->Btn_Cancel);
    });
    const std::vector<proto::TTable> tables = dlg->Grid_Tables();
    EXPECT_EQ(tables[0][0][proto::bac_read::Mnemonic], "T1");
    EXPECT_EQ(tables[0][1][proto::bac_read::Object_Type], "Analog Input");
    EXPECT_EQ(tables[0][1][proto::bac_read::Address], "10.0.0.9");
    EXPECT_EQ(tables[0][1][proto::bac_read::Position], "14");
    EXPECT_EQ(tables[0][2][proto::bac_read::Object_Type], "Analog Value");
    EXPECT_EQ(tables[1][0][proto::bac_write::Mnemonic], "Set - Setpoint");
    EXPECT_EQ(tables[1][0][proto::bac_write::Data_Type], "Real");
    EXPECT_EQ(shell::Last_EDE_Folder, shell::Conf_Path + "/");
    EXPECT_TRUE(ui.Boxes().empty());
}

TEST_F(BACnetAccessWindow, PropertyHintReadsTheRowsTypeAndProperty) {
    OpenWith("bacnet_access_hint", "0");
    test::TScriptedUi ui;
    Open(ui, [&] {
        SetRows(0, {{1, Cells_Of(bactest::Read_Row({{proto::bac_read::Object_Type, "Binary Input"}}))}});
        grid::TExtColumnGrid& g = dlg->Table_Grid(0);
        std::string hint = "grid's";
        g.OnGridHint(&g, 1, proto::bac_read::Property, hint);
        EXPECT_EQ(hint, "1");
        g.OnGridHint(&g, 1, proto::bac_read::Instance, hint);
        EXPECT_EQ(hint, "");
        test::ClickAt(*dlg->Btn_Cancel);
    });
}
