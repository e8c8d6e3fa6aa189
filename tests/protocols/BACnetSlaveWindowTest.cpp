#include <gtest/gtest.h>

#include "AccessWindowFixture.h"
#include "BACnetTestSupport.h"
#include "protocols/BACnetSlaveData.h"
#include "protocols/BACnetSlaveSetAccess.h"
#include "protocols/BACnet_Eng_Unit.h"

using namespace plat;
using namespace prototest;
using proto::TFBACnetSlaveSetAccess;
namespace slave = proto::bac_slave;

namespace {

class BACnetSlaveWindow : public AccessWindowTest<TFBACnetSlaveSetAccess> {
protected:
    void OpenWith(const std::string& folder, const char* limit) {
        OpenWindow(folder);
        if (limit)
            WriteFile(shell::ParGen_File, std::string("<Par_Gen><BACnet_Desc_Chars_Limit>") + limit +
                                              "</BACnet_Desc_Chars_Limit></Par_Gen>");
        picker = std::make_unique<proto::TFBACnet_Eng_Unit>(nullptr);
        picker->DoCreate();
        proto::FBACnet_Eng_Unit = picker.get();
    }
    void TearDown() override {
        proto::FBACnet_Eng_Unit = nullptr;
        picker.reset();
        AccessWindowTest::TearDown();
    }
    void DoubleClickCell(grid::TExtStringGrid& g, int c, int r) {
        const TRect rc = g.GridCellRect(c, r);
        ASSERT_LT(rc.Left, rc.Right);
        test::DoubleClickAt(g, (rc.Left + rc.Right) / 2, (rc.Top + rc.Bottom) / 2);
    }
    std::unique_ptr<proto::TFBACnet_Eng_Unit> picker;
};

}  // namespace

TEST_F(BACnetSlaveWindow, RowsFollowTheDescriptionLimit) {
    const struct {
        const char* limit;
        int rows;
    } cases[] = {{"1", 1000}, {"0", 2000}, {nullptr, 2000}};
    for (const auto& c : cases) {
        OpenWith("bacnet_slave_rows", c.limit);
        test::TScriptedUi ui;
        Open(ui, [&] {
            EXPECT_EQ(Grid(0).RowCount(), c.rows + 1) << (c.limit ? c.limit : "none");
            EXPECT_EQ(Grid(1).Cells(0, c.rows), std::to_string(c.rows));
            test::ClickAt(*dlg->Btn_Cancel);
        });
        TearDown();
    }
}

TEST_F(BACnetSlaveWindow, ChecksTheTotalAndSavesVersion1002) {
    OpenWith("bacnet_slave_save", "1");
    test::TScriptedUi ui;
    const TModalResult result = Open(ui, [&] {
        std::vector<proto::TTable> tables = dlg->Grid_Tables();
        for (int r = 0; r < 700; ++r)
            tables[0][static_cast<size_t>(r)] = bactest::Slave_Row("Binary Input", "0", "");
        for (int r = 0; r < 301; ++r)
            tables[1][static_cast<size_t>(r)] = bactest::Slave_Row("Binary Out", "0", "");
        dlg->Put_Tables(tables);
        test::ClickAt(*dlg->Btn_OK);
        EXPECT_EQ(dlg->ModalResult(), mrNone);
        tables[1][300] = proto::Reset_Table(dlg->Member().File.Tables[1])[300];
        dlg->Put_Tables(tables);
        test::ClickAt(*dlg->Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].Text, "Error!! Too many Requests. Max requests 1000");
    const std::string saved = ReadFile(shell::BACnet_Slave_File);
    EXPECT_NE(saved.find("SW_VERSION = 1.002"), std::string::npos);
    proto::TBACnetSlaveData back;
    ASSERT_TRUE(proto::Load_BACnet_Slave(shell::BACnet_Slave_File, true, back, nullptr));
    EXPECT_EQ(back.Read[699][slave::Data_Type], "Binary Input");
    EXPECT_EQ(back.Write[299][slave::Data_Type], "Binary Out");
    EXPECT_EQ(back.Write[300][slave::Data_Type], "");
}

TEST_F(BACnetSlaveWindow, UnitPickerOnCellsNeverOnTheHeader) {
    OpenWith("bacnet_slave_unit", nullptr);
    test::TScriptedUi ui;
    int pickerShown = 0;
    Open(ui, [&] {
        SetRows(0, {{1, {{slave::Data_Type, "Analog Input"}, {slave::Eng_Unit, "62"}}}});
        ui.OnModal([&](TForm&) {
            ++pickerShown;
            EXPECT_EQ(picker->Label5->Caption(), "-> degrees-Celsius");
            picker->E_Selected_EU->SetText("");
            test::TypeText(*picker->E_Selected_EU, "64");
            test::ClickAt(*picker->Btn_OK);
            return mrNone;
        });
        DoubleClickCell(Grid(0), slave::Eng_Unit, 1);
        EXPECT_EQ(Grid(0).Cells(slave::Eng_Unit, 1), "64");
        const std::string header = Grid(0).Cells(slave::Eng_Unit, 0);
        // Were the picker to open on the header, it would take "99" there.
        ui.OnModal([&](TForm&) {
            ++pickerShown;
            test::TypeText(*picker->E_Selected_EU, "99");
            test::ClickAt(*picker->Btn_OK);
            return mrNone;
        });
        DoubleClickCell(Grid(0), slave::Eng_Unit, 0);
        EXPECT_EQ(Grid(0).Cells(slave::Eng_Unit, 0), header);
        EXPECT_TRUE(
            test::SaveScreenshot(*dlg, std::string(VASTRIMO_TEST_OUT) + "/TFBACnetSlaveSetAccess.png"));
        test::ClickAt(*dlg->Btn_Cancel);
    });
    EXPECT_EQ(pickerShown, 1);
}

TEST_F(BACnetSlaveWindow, WriteDataTypeFillsTheLength) {
    OpenWith("bacnet_slave_length", nullptr);
    test::TScriptedUi ui;
    Open(ui, [&] {
        ShowPage(1);
        PickCell(Grid(1), slave::Data_Type, 1, 5);  // "Large Analog Value"
        EXPECT_EQ(Grid(1).Cells(slave::Data_Type, 1), "Large Analog Value");
        EXPECT_EQ(Grid(1).Cells(slave::Length, 1), "8");
        ShowPage(0);
        PickCell(Grid(0), slave::Data_Type, 1, 5);
        EXPECT_EQ(Grid(0).Cells(slave::Length, 1), "");
        test::ClickAt(*dlg->Btn_Cancel);
    });
}
