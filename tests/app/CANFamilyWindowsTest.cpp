// The CAN, J1939, NMEA 2000, DeviceNet and DMX windows as the user meets
// them: opened by the main window's button where it has one (the J1939 and
// NMEA 2000 windows have none and are shown directly), edited with the
// keyboard, confirmed with OK, and the file they wrote read back.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "platform/TestHooks.h"
#include "protocols/AccessWindowFixture.h"
#include "protocols/DMXDefVal.h"
#include "protocols/DNet.h"
#include "protocols/DefOffset.h"
#include "protocols/ReceiveCAN.h"
#include "protocols/ReceiveJ1939.h"
#include "protocols/ReceiveNMEA.h"
#include "protocols/TransmitCAN.h"
#include "protocols/TransmitJ1939.h"
#include "protocols/TransmitNMEA.h"

namespace fs = std::filesystem;
using namespace plat;
using apptest::ReadText;
using apptest::WriteText;
using prototest::PickCell;
using prototest::TypeCell;

namespace {

class CANFamilyWindows : public apptest::MainWindowTest {
protected:
    // The program with the configuration "Plant" open; prepare may put files
    // into its folder first.
    void Open_Plant(const std::string& Name, const std::function<void(const std::string&)>& Prepare = {}) {
        Start(Name, [&](const std::string& d) {
            fs::create_directories(d + "/PROJECTS/Plant");
            WriteText(d + "/Vastrimo.xml", apptest::SettingsXml("Plant"));
            if (Prepare) Prepare(d + "/PROJECTS/Plant");
        });
        conf = dir + "/PROJECTS/Plant";
    }

    void TearDown() override {
        windows.clear();
        MainWindowTest::TearDown();
    }

    template <class T>
    T& Make(T*& Global) {
        auto form = std::make_unique<T>(nullptr);
        T& f = *form;
        Global = form.get();
        form->DoCreate();
        windows.push_back(std::move(form));
        return f;
    }

    // Opens the window (by the button when given), runs the script in it.
    void Run(TForm& Window, const char* Button, const std::function<void()>& Script, test::TScriptedUi& ui) {
        TForm* shown = nullptr;
        ui.OnModal([&](TForm& f) {
            shown = &f;
            test::ProcessEvents();
            Script();
            return mrNone;
        });
        if (Button)
            main->Btn_Click(main->Button(Button));
        else
            Window.ShowModal();
        EXPECT_EQ(shown, &Window);
    }

    static std::string Shot(const char* Class) { return std::string(VASTRIMO_TEST_OUT) + "/" + Class + ".png"; }

    std::string conf;
    std::vector<std::unique_ptr<TForm>> windows;
};

const char* const Comment = "<!--SW_VERSION = 1.000-->\n";

TEST_F(CANFamilyWindows, ReceiveCANFromItsButton) {
    Open_Plant("can_receive");
    auto& w = Make(proto::FReceiveCAN);
    test::TScriptedUi ui;
    Run(w, "Btn_CAN_Rec_Frame", [&] {
        auto& g = w.Table_Grid(0);
        // Every byte offers "None" and the positions of the receive array.
        const auto& items = g.Columns().Items(13).ComboItems();
        ASSERT_EQ(items.Count(), 2001);
        EXPECT_EQ(items[0], "None");
        EXPECT_EQ(items[2000], "1999");
        TypeCell(g, 2, 1, "0x181");
        PickCell(g, 3, 1, 0);
        TypeCell(g, 4, 1, "2");
        TypeCell(g, 5, 1, "500");
        PickCell(g, 6, 1, 11);  // "None" first: position 10
        PickCell(g, 7, 1, 0);
        TypeCell(g, 14, 1, "Valve");
        EXPECT_TRUE(test::SaveScreenshot(w, Shot("TFReceiveCAN")));
        test::ClickAt(*w.Btn_OK);
    }, ui);
    EXPECT_TRUE(ui.Boxes().empty());
    EXPECT_EQ(w.ModalResult(), mrOk);
    EXPECT_EQ(ReadText(conf + "/CAN_Rec_Frames.xml"),
              std::string("<Receive_Frames>\n  <row Enable=\"Y\" COBID=\"0x181\" CAN_Type=\"2.0A (11 bits)\" Dim=\"2\" "
                          "TimeOut=\"500\" Byte1=\"10\" Byte2=\"None\" Byte3=\"\" Byte4=\"\" Byte5=\"\" Byte6=\"\" "
                          "Byte7=\"\" Byte8=\"\" Mnemonic=\"Valve\" />\n</Receive_Frames>\n") +
                  Comment);
}

TEST_F(CANFamilyWindows, TransmitCANRefusesATimerWithoutTimeThenSaves) {
    Open_Plant("can_transmit");
    auto& w = Make(proto::FTransmitCAN);
    test::TScriptedUi ui;
    ui.AnswerBox(mrOk);
    Run(w, "Btn_CAN_Send_Frame", [&] {
        auto& g = w.Table_Grid(0);
        EXPECT_EQ(g.Columns().Items(16).ComboItems().Count(), 2501);
        TypeCell(g, 2, 1, "0x18FF0001");
        PickCell(g, 3, 1, 1);
        TypeCell(g, 4, 1, "1");
        g.SetCells(7, 1, "Y");  // OnTimer ticked
        PickCell(g, 9, 1, 2500);  // the last position
        test::ClickAt(*w.Btn_OK);
        EXPECT_EQ(w.ModalResult(), mrNone);
        TypeCell(g, 8, 1, "100");
        EXPECT_TRUE(test::SaveScreenshot(w, Shot("TFTransmitCAN")));
        test::ClickAt(*w.Btn_OK);
    }, ui);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].Text, "Error row 1!! Time must be between 0 and 100000000 milliseconds");
    EXPECT_EQ(w.ModalResult(), mrOk);
    EXPECT_EQ(ReadText(conf + "/CAN_Send_Frames.xml"),
              std::string("<Transmit_Frames>\n  <row Enable=\"Y\" COBID=\"0x18FF0001\" CAN_Type=\"2.0B (29 bits)\" "
                          "Dim=\"1\" OnChange=\"\" OnCMD=\"\" OnTimer=\"Y\" Time=\"100\" Byte1=\"2499\" Byte2=\"\" "
                          "Byte3=\"\" Byte4=\"\" Byte5=\"\" Byte6=\"\" Byte7=\"\" Byte8=\"\" Mnemonic=\"\" />\n"
                          "</Transmit_Frames>\n") +
                  Comment);
}

TEST_F(CANFamilyWindows, ReceiveJ1939ShownDirectly) {
    Open_Plant("j1939_receive");
    auto& w = Make(proto::FReceiveJ1939);
    test::TScriptedUi ui;
    Run(w, nullptr, [&] {
        auto& g = w.Table_Grid(0);
        PickCell(g, 1, 1, 0);
        TypeCell(g, 2, 1, "0xFEF1");
        TypeCell(g, 3, 1, "0");
        TypeCell(g, 5, 1, "2");
        TypeCell(g, 6, 1, "6");
        TypeCell(g, 10, 1, "Speed");
        EXPECT_TRUE(test::SaveScreenshot(w, Shot("TFReceiveJ1939")));
        test::ClickAt(*w.Btn_OK);
    }, ui);
    EXPECT_TRUE(ui.Boxes().empty());
    EXPECT_EQ(ReadText(conf + "/J1939_Rec_Frames.xml"),
              std::string("<Receive_J1939>\n  <row DP=\"0\" PGN=\"0xFEF1\" SA=\"0\" TP=\"\" TP_Start=\"2\" "
                          "TP_NByte=\"6\" Delete=\"\" OnRequest=\"\" OnReq_Time=\"\" Mnemonic=\"Speed\" />\n"
                          "</Receive_J1939>\n") +
                  Comment);
}

TEST_F(CANFamilyWindows, TransmitJ1939ShownDirectlyAfterALegacyFile) {
    Open_Plant("j1939_transmit", [](const std::string& c) {
        WriteText(c + "/J1939_Send_Frames.xml",
                  R"(<Transmit_J1939><row Priority="6" DP="0" PGN="0xFEF1" SA="1" T_Type="On Timer" SendTimer="100"/></Transmit_J1939>)");
    });
    auto& w = Make(proto::FTransmitJ1939);
    test::TScriptedUi ui;
    Run(w, nullptr, [&] {
        auto& g = w.Table_Grid(0);
        TypeCell(g, 1, 2, "3");
        PickCell(g, 2, 2, 1);
        TypeCell(g, 3, 2, "0x1FFFF");
        TypeCell(g, 4, 2, "255");
        TypeCell(g, 5, 2, "16");
        EXPECT_TRUE(test::SaveScreenshot(w, Shot("TFTransmitJ1939")));
        test::ClickAt(*w.Btn_OK);
    }, ui);
    EXPECT_TRUE(ui.Boxes().empty());
    EXPECT_EQ(ReadText(conf + "/J1939_Send_Frames.xml"),
              std::string("<Transmit_J1939>\n"
                          "  <row Priority=\"6\" DP=\"0\" PGN=\"0xFEF1\" SA=\"1\" TP_NByte=\"8\" On_Request=\"N\" "
                          "On_Data_Change=\"N\" On_Timer=\"Y\" SendTimer=\"100\" Mnemonic=\"\" />\n"
                          "  <row Priority=\"3\" DP=\"1\" PGN=\"0x1FFFF\" SA=\"255\" TP_NByte=\"16\" On_Request=\"\" "
                          "On_Data_Change=\"\" On_Timer=\"\" SendTimer=\"\" Mnemonic=\"\" />\n"
                          "</Transmit_J1939>\n") +
                  Comment);
}

TEST_F(CANFamilyWindows, ReceiveNMEAReportsTheTotalWithoutARowPrefix) {
    Open_Plant("nmea_receive");
    auto& w = Make(proto::FReceiveNMEA);
    test::TScriptedUi ui;
    ui.AnswerBox(mrOk);
    Run(w, nullptr, [&] {
        auto& g = w.Table_Grid(0);
        TypeCell(g, 1, 1, "0x1F801");
        TypeCell(g, 2, 1, "1");
        g.SetCells(3, 1, "Y");  // transport protocol
        TypeCell(g, 5, 1, "0");
        TypeCell(g, 6, 1, "513");
        test::ClickAt(*w.Btn_OK);
        EXPECT_EQ(w.ModalResult(), mrNone);
        TypeCell(g, 6, 1, "504");
        TypeCell(g, 1, 2, "127250");
        TypeCell(g, 2, 2, "2");
        EXPECT_TRUE(test::SaveScreenshot(w, Shot("TFReceiveNMEA")));
        test::ClickAt(*w.Btn_OK);
    }, ui);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].Text, "Error!! Too many bytes of data, the max number is 512");
    EXPECT_EQ(ReadText(conf + "/NMEA_Rec_Frames.xml"),
              std::string("<Receive_NMEA_2000>\n"
                          "  <row PGN=\"0x1F801\" SA=\"1\" TP=\"Y\" FP=\"\" TP_Start=\"0\" TP_NByte=\"504\" Delete=\"\" "
                          "Mnemonic=\"\" />\n"
                          "  <row PGN=\"127250\" SA=\"2\" TP=\"\" FP=\"\" TP_Start=\"\" TP_NByte=\"\" Delete=\"\" "
                          "Mnemonic=\"\" />\n"
                          "</Receive_NMEA_2000>\n") +
                  Comment);
}

TEST_F(CANFamilyWindows, TransmitNMEAWritesTheSharedRoot) {
    Open_Plant("nmea_transmit");
    auto& w = Make(proto::FTransmitNMEA);
    test::TScriptedUi ui;
    Run(w, nullptr, [&] {
        auto& g = w.Table_Grid(0);
        TypeCell(g, 1, 1, "2");
        TypeCell(g, 2, 1, "0x1F802");
        TypeCell(g, 3, 1, "3");
        TypeCell(g, 5, 1, "12");
        TypeCell(g, 10, 1, "COG");
        EXPECT_TRUE(test::SaveScreenshot(w, Shot("TFTransmitNMEA")));
        test::ClickAt(*w.Btn_OK);
    }, ui);
    EXPECT_TRUE(ui.Boxes().empty());
    EXPECT_EQ(ReadText(conf + "/NMEA_Send_Frames.xml"),
              std::string("<Receive_NMEA_2000>\n"
                          "  <row Priority=\"2\" PGN=\"0x1F802\" SA=\"3\" FP=\"\" TP_NByte=\"12\" On_Request=\"\" "
                          "On_Data_Change=\"\" On_Timer=\"\" SendTimer=\"\" Mnemonic=\"COG\" />\n"
                          "</Receive_NMEA_2000>\n") +
                  Comment);
}

TEST_F(CANFamilyWindows, DeviceNetNetworkFromItsButton) {
    Open_Plant("dnet_network");
    auto& w = Make(proto::FDNet);
    test::TScriptedUi ui;
    ui.AnswerBox(mrOk);
    Run(w, "Btn_DNet_Net", [&] {
        auto& g = w.Table_Grid(0);
        TypeCell(g, 1, 1, "64");
        TypeCell(g, 2, 1, "4");
        TypeCell(g, 3, 1, "$2");
        test::ClickAt(*w.Btn_OK);
        EXPECT_EQ(w.ModalResult(), mrNone);
        TypeCell(g, 1, 1, "5");
        TypeCell(g, 4, 1, "Valve island");
        EXPECT_TRUE(test::SaveScreenshot(w, Shot("TFDNet")));
        test::ClickAt(*w.Btn_OK);
    }, ui);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].Text, "Error in row 1!! ID must be between 0 and 63");
    EXPECT_EQ(ReadText(conf + "/DNETM_Net.xml"),
              std::string("<DNET_Net>\n  <row ID=\"5\" NB_IN=\"4\" NB_OUT=\"$2\" Mnemonic=\"Valve island\" />\n"
                          "</DNET_Net>\n") +
                  Comment);
}

TEST_F(CANFamilyWindows, DeviceNetOffsetsFromItsButton) {
    Open_Plant("dnet_offsets", [](const std::string& c) {
        WriteText(c + "/DNETM_Net.xml",
                  R"(<DNET_Net><row ID="5" NB_IN="1" NB_OUT="1" Mnemonic="a"/><row ID="9" NB_IN="0" NB_OUT="2" Mnemonic="b"/></DNET_Net>)");
    });
    auto& w = Make(proto::FDefOffset);
    test::TScriptedUi ui;
    ui.AnswerBox(mrOk);
    Run(w, "Btn_DNet_Offset", [&] {
        EXPECT_EQ(w.ACG_DN_Slaves->RowCount(), 3);
        EXPECT_EQ(w.ACG_ByteOUT->RowCount(), 2);
        w.PageControl1->SetActivePage(w.TabSheet2);
        test::ProcessEvents();
        PickCell(*w.ACG_ByteOUT, 1, 1, 11);  // position 10
        TypeCell(*w.ACG_ByteOUT, 2, 1, "Flow");
        prototest::ClickCell(*w.ACG_DN_Slaves, 1, 2);
        EXPECT_EQ(w.ACG_ByteOUT->RowCount(), 3);
        PickCell(*w.ACG_ByteOUT, 1, 2, 11);
        test::ClickAt(*w.Btn_OK);
        EXPECT_EQ(w.ModalResult(), mrNone);
        PickCell(*w.ACG_ByteOUT, 1, 2, 12);
        EXPECT_TRUE(test::SaveScreenshot(w, Shot("TFDefOffset")));
        test::ClickAt(*w.Btn_OK);
    }, ui);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].Text,
              "Error in ByteOUT! The same byte of LoRaWAN is used in two bytes DeviceNet.\n\r"
              "( First ID = 5 Byte = 0, Second ID = 9 Byte = 1)");
    EXPECT_EQ(ReadText(conf + "/DNETM_DefOff.xml"),
              std::string("<Define_Offset>\n"
                          "  <Nodo_DNET>\n    <ByteIN>\n      <row Offset=\"None\" Mnemonic=\"\" />\n    </ByteIN>\n"
                          "    <ByteOUT>\n      <row Offset=\"10\" Mnemonic=\"Flow\" />\n    </ByteOUT>\n  </Nodo_DNET>\n"
                          "  <Nodo_DNET>\n    <ByteIN />\n    <ByteOUT>\n      <row Offset=\"None\" Mnemonic=\"\" />\n"
                          "      <row Offset=\"11\" Mnemonic=\"\" />\n    </ByteOUT>\n  </Nodo_DNET>\n"
                          "</Define_Offset>\n") +
                  Comment);
}

TEST_F(CANFamilyWindows, DMXChannelsFromTheParametersAndItsButton) {
    Open_Plant("dmx", [](const std::string& c) {
        WriteText(c + "/ParGen.xml", "<Par_Gen><DMX_Num_Channels>3</DMX_Num_Channels></Par_Gen>");
    });
    auto& w = Make(proto::FDMXDefVal);
    test::TScriptedUi ui;
    ui.AnswerBox(mrOk);
    Run(w, "Btn_DMX_Default", [&] {
        auto& g = w.Table_Grid(0);
        EXPECT_EQ(g.RowCount(), 4);
        TypeCell(g, 1, 2, "256");
        test::ClickAt(*w.Btn_OK);
        EXPECT_EQ(w.ModalResult(), mrNone);
        TypeCell(g, 1, 2, "0xFF");
        TypeCell(g, 2, 3, "Dimmer");
        EXPECT_TRUE(test::SaveScreenshot(w, Shot("TFDMXDefVal")));
        test::ClickAt(*w.Btn_OK);
    }, ui);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].Text, "Error row 2!! Default Value must be between 0 and 255");
    EXPECT_EQ(ReadText(conf + "/DMX_Default_Values.xml"),
              std::string("<DMX_Default_Values>\n  <Row Default_Value=\"0\" Mnemonic=\"\" />\n"
                          "  <Row Default_Value=\"0xFF\" Mnemonic=\"\" />\n"
                          "  <Row Default_Value=\"0\" Mnemonic=\"Dimmer\" />\n</DMX_Default_Values>\n") +
                  Comment);
}

// A gateway without DMX channels shows the header of the table all the
// same, drawn as a header, and OK writes no channel.
TEST_F(CANFamilyWindows, DMXWithoutChannelsKeepsItsHeaderRow) {
    Open_Plant("dmx_none", [](const std::string& c) {
        WriteText(c + "/ParGen.xml", "<Par_Gen><DMX_Num_Channels>3</DMX_Num_Channels></Par_Gen>");
    });
    auto& w = Make(proto::FDMXDefVal);
    auto& g = w.Table_Grid(0);
    test::TRgb header_with_rows;
    auto header_pixel = [&] {
        const TRect r = g.GridCellRect(1, 0);
        return test::PixelAt(g, r.Left + 3, (r.Top + r.Bottom) / 2);
    };
    test::TScriptedUi ui;
    Run(w, "Btn_DMX_Default", [&] { header_with_rows = header_pixel(); }, ui);
    WriteText(conf + "/ParGen.xml", "<Par_Gen><DMX_Num_Channels>0</DMX_Num_Channels></Par_Gen>");
    Run(w, "Btn_DMX_Default", [&] {
        EXPECT_EQ(g.RowCount(), 1);
        EXPECT_EQ(g.FixedRows(), 1);
        EXPECT_EQ(g.Cells(1, 0), "Default Value");
        EXPECT_EQ(header_pixel(), header_with_rows);
        test::ClickAt(*w.Btn_OK);
    }, ui);
    EXPECT_TRUE(ui.Boxes().empty());
    EXPECT_EQ(ReadText(conf + "/DMX_Default_Values.xml"), std::string("<DMX_Default_Values />\n") + Comment);
}

// Fewer channels than the file holds rows: the window shows the first ones
// without a word at each opening, and asks once before saving only when a
// row left out holds something other than the default.
TEST_F(CANFamilyWindows, DMXFileLongerThanTheChannels) {
    const std::string rows =
        "<Row Default_Value=\"1\" Mnemonic=\"a\"/><Row Default_Value=\"2\" Mnemonic=\"\"/>"
        "<Row Default_Value=\"3\" Mnemonic=\"c\"/>";
    const std::string saved = std::string("<DMX_Default_Values>\n"
                                          "  <Row Default_Value=\"1\" Mnemonic=\"a\" />\n"
                                          "  <Row Default_Value=\"2\" Mnemonic=\"\" />\n"
                                          "  <Row Default_Value=\"3\" Mnemonic=\"c\" />\n"
                                          "</DMX_Default_Values>\n") +
                              Comment;
    const std::string question = "The file holds values for channels past the number of DMX channels of the "
                                 "gateway; they are not saved. Do you want to save without them?";
    const struct {
        const char* name;
        std::string more;  // the rows after the third
        bool asks;
    } cases[] = {
        {"defaults after the channels", "<Row Default_Value=\"0\" Mnemonic=\"\"/><Row/>", false},
        {"a value after the channels",
         "<Row Default_Value=\"0\" Mnemonic=\"\"/><Row Default_Value=\"9\"/>", true},
        {"a description after the channels", "<Row Mnemonic=\"spare\"/>", true},
    };
    Open_Plant("dmx_longer", [](const std::string& d) {
        WriteText(d + "/ParGen.xml", "<Par_Gen><DMX_Num_Channels>3</DMX_Num_Channels></Par_Gen>");
    });
    auto& w = Make(proto::FDMXDefVal);
    for (const auto& c : cases) {
        WriteText(conf + "/DMX_Default_Values.xml",
                  "<DMX_Default_Values>" + rows + c.more + "</DMX_Default_Values>");
        test::TScriptedUi ui;
        Run(w, "Btn_DMX_Default", [&] { test::ClickAt(*w.Btn_Cancel); }, ui);
        EXPECT_TRUE(ui.Boxes().empty()) << c.name << ": " << ui.Boxes().at(0).Text;
        if (c.asks) ui.AnswerBox(mrNo);
        Run(w, "Btn_DMX_Default", [&] {
            auto& g = w.Table_Grid(0);
            EXPECT_EQ(g.RowCount(), 4) << c.name;
            EXPECT_EQ(g.Cells(2, 3), "c") << c.name;
            test::ClickAt(*w.Btn_OK);
            if (!c.asks) return;
            EXPECT_EQ(w.ModalResult(), mrNone) << c.name;  // No: nothing saved
            EXPECT_NE(ReadText(conf + "/DMX_Default_Values.xml"), saved) << c.name;
            test::ClickAt(*w.Btn_OK);  // Yes
        }, ui);
        EXPECT_EQ(w.ModalResult(), mrOk) << c.name;
        ASSERT_EQ(ui.Boxes().size(), c.asks ? 2u : 0u) << c.name;
        for (const auto& box : ui.Boxes()) {
            EXPECT_EQ(box.Text, question) << c.name;
            EXPECT_EQ(box.Buttons, mbYesNo) << c.name;
        }
        EXPECT_EQ(ReadText(conf + "/DMX_Default_Values.xml"), saved) << c.name;
    }
}

// A byte map that did not load cleanly is named on opening, and OK asks
// before it replaces the file with what could be read.
TEST_F(CANFamilyWindows, DeviceNetOffsetsAskBeforeReplacingAFaultyFile) {
    const std::string map =
        R"(<Define_Offset><Nodo_DNET><ByteIN><row Offset="3" Mnemonic="kept"/></ByteIN></Nodo_DNET></Define_Offset>)";
    Open_Plant("dnet_offsets_faulty", [&](const std::string& c) {
        WriteText(c + "/DNETM_Net.xml", R"(<DNET_Net><row ID="5" NB_IN="1" NB_OUT="1" Mnemonic="a"/></DNET_Net>)");
        WriteText(c + "/DNETM_DefOff.xml", map);
    });
    auto& w = Make(proto::FDefOffset);
    test::TScriptedUi ui;
    ui.AnswerBox(mrOk);  // the load report
    ui.AnswerBox(mrNo);  // do not replace
    Run(w, "Btn_DNet_Offset", [&] {
        EXPECT_EQ(w.ACG_ByteIN->Columns().Items(1).ComboItems().Count(), 1441);
        EXPECT_EQ(w.ACG_ByteIN->Cells(1, 1), "3");
        EXPECT_EQ(w.ACG_ByteOUT->Cells(1, 1), "None");
        test::ClickAt(*w.Btn_OK);
        EXPECT_EQ(w.ModalResult(), mrNone);
        test::ClickAt(*w.Btn_Cancel);
    }, ui);
    ASSERT_EQ(ui.Boxes().size(), 2u);
    EXPECT_EQ(ui.Boxes()[0].Text, "\"DNETM_DefOff.xml\": slave 1 has no ByteOUT");
    EXPECT_EQ(ui.Boxes()[1].Type, mtConfirmation);
    EXPECT_EQ(ReadText(conf + "/DNETM_DefOff.xml"), map);
}

// Every window of the family follows a change of language.
TEST_F(CANFamilyWindows, LanguageChangeRelabelsThem) {
    Open_Plant("can_language");
    auto& rx = Make(proto::FReceiveCAN);
    auto& j1939 = Make(proto::FTransmitJ1939);
    auto& offsets = Make(proto::FDefOffset);
    auto& dmx = Make(proto::FDMXDefVal);
    shell::Lang_Texts.SetString(2400, "CAN in");
    shell::Lang_Texts.SetString(3614, "Nr");
    shell::Lang_Texts.SetString(3011, "Node");
    shell::Lang_Texts.SetString(3102, "Save");
    main->Change_Language();
    EXPECT_EQ(rx.Caption(), "CAN in");
    EXPECT_EQ(j1939.Table_Grid(0).Columns().Items(0).Header(), "Nr");
    EXPECT_EQ(offsets.ACG_DN_Slaves->Columns().Items(0).Header(), "Node");
    EXPECT_EQ(dmx.Btn_OK->Caption(), "Save");
}

}  // namespace
