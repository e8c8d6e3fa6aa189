// The DeviceNet slave list and byte map, and the DMX default values,
// without their windows: check messages, loading and the files as saved.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "AccessCheckSupport.h"
#include "gateway/GatewayTestSupport.h"
#include "protocols/DMXDefVal.h"
#include "protocols/DNet.h"
#include "protocols/DNetOffsets.h"

namespace {

using prototest::Expect_Messages;
using proto::TSlaves;
using proto::TTable;
using proto::TTableRow;

std::string Data(const std::string& Name) {
    return gwtest::ReadFile(std::string(VASTRIMO_TEST_DATA) + "/" + Name);
}

}  // namespace

TEST(DNetChecks, Rows) {
    Expect_Messages(proto::DNet_Member, proto::Check_DNet,
                    {
                        {"passes", {{{"0", "$FFFF", "0"}, {"63", "0", "0x10"}, {"63", "1", "1"}}}, ""},
                        {"ID 64", {{{"1", "1", "1"}, {"64", "1", "1"}}}, "Error in row 2!! ID must be between 0 and 63"},
                        {"ID of a blank", {{{" ", "1", "1"}}}, "Error in row 1!! ID must be between 0 and 63"},
                        {"Byte In", {{{"1", "65536", "1"}}},
                         "Error in row 1!! Number Byte IN must be between 0 and 65535"},
                        {"Byte Out", {{{"1", "1", ""}}},
                         "Error in row 1!! Number Byte OUT must be between 0 and 65535"},
                        {"empty ID ends the list", {{{"1", "1", "1"}, {"", "x"}, {"99"}}}, ""},
                    });
}

TEST(DNetFile, SavedAndLoaded) {
    const std::vector<TTable> tables =
        prototest::Tables(proto::DNet_Member, {{{"5", "4", "2", "Valve island"}, {"0x09", "0", "3", ""}}});
    EXPECT_EQ(proto::Access_To_Xml(proto::DNet_Member.File, tables), Data("DNETM_Net_saved.xml"));
    // A row lacking an attribute is still read, with the rest; the load says so.
    std::vector<TTable> read = proto::Reset_Tables(proto::DNet_Member.File);
    const proto::TLoadReport report = proto::Read_Access_Xml(
        proto::DNet_Member.File, R"(<DNET_Net><row ID="3" NB_IN="1" NB_OUT="2"/><row ID="4" NB_IN="5" NB_OUT="6" Mnemonic="b"/></DNET_Net>)",
        read);
    EXPECT_FALSE(report.Clean());
    EXPECT_NE(report.Error.find("row 1 lacks the attribute \"Mnemonic\""), std::string::npos) << report.Error;
    EXPECT_EQ(read[0][1], (TTableRow{"2", "4", "5", "6", "b"}));
}

// ------------------------------------------------------------------ byte offsets

namespace {

const char* const Two_Slaves =
    R"(<DNET_Net><row ID="5" NB_IN="2" NB_OUT="3" Mnemonic="a"/><row ID="$9" NB_IN="0" NB_OUT="3" Mnemonic="b"/></DNET_Net>)";

TSlaves Slaves(const std::string& Net, const std::string& Offsets = {}, bool Clean = true) {
    TSlaves slaves;
    proto::TOffsetRead report;
    proto::Read_DNet_Slaves(Net, slaves, report);
    if (!Offsets.empty()) proto::Read_DNet_Offsets(Offsets, slaves, report);
    EXPECT_EQ(report.Clean, Clean) << report.Error;
    return slaves;
}

}  // namespace

TEST(DNetOffsets, SlavesStartAtNone) {
    const TSlaves s = Slaves(Two_Slaves);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[1].ID, 9);
    EXPECT_EQ(s[1].Row, (std::vector<std::string>{"$9", "0", "3", "b"}));
    EXPECT_EQ(s[0].SL_ByteIN, (std::vector<std::string>{"None", "None"}));
    EXPECT_EQ(s[0].SL_ByteOUT_M, (std::vector<std::string>{"", "", ""}));
    EXPECT_TRUE(s[1].SL_ByteIN.empty());
}

// The k-th node belongs to the k-th slave; nodes and bytes beyond the list
// are dropped.
TEST(DNetOffsets, OffsetsApplyBySlavePosition) {
    const TSlaves s = Slaves(Two_Slaves,
                             R"(<Define_Offset>)"
                             R"(<Nodo_DNET><ByteIN><row Offset="7" Mnemonic="x"/><row Offset="8" Mnemonic="y"/>)"
                             R"(<row Offset="9" Mnemonic="dropped"/></ByteIN><ByteOUT><row Offset="None" Mnemonic="o"/></ByteOUT></Nodo_DNET>)"
                             R"(<Nodo_DNET><ByteIN/><ByteOUT><row Offset="1" Mnemonic=""/></ByteOUT></Nodo_DNET>)"
                             R"(<Nodo_DNET><ByteIN/><ByteOUT/></Nodo_DNET>)"
                             R"(</Define_Offset>)");
    EXPECT_EQ(s[0].SL_ByteIN, (std::vector<std::string>{"7", "8"}));
    EXPECT_EQ(s[0].SL_ByteIN_M, (std::vector<std::string>{"x", "y"}));
    EXPECT_EQ(s[0].SL_ByteOUT, (std::vector<std::string>{"None", "None", "None"}));
    EXPECT_EQ(s[0].SL_ByteOUT_M, (std::vector<std::string>{"o", "", ""}));
    EXPECT_EQ(s[1].SL_ByteOUT, (std::vector<std::string>{"1", "None", "None"}));
}

TEST(DNetOffsets, AFaultyRowIsReadWithWhatItHas) {
    const TSlaves s = Slaves(R"(<DNET_Net><row ID="1" NB_IN="x" NB_OUT="2"/><row ID="2" NB_IN="1" NB_OUT="1" Mnemonic=""/></DNET_Net>)",
                             R"(<Define_Offset><Nodo_DNET><ByteOUT><row Offset="3"/></ByteOUT></Nodo_DNET></Define_Offset>)",
                             false);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[0].ByteIN, 0);
    EXPECT_EQ(s[0].SL_ByteOUT, (std::vector<std::string>{"3", "None"}));
}

TEST(DNetOffsets, CheckMessages) {
    shell::Load_Default_Texts();
    const struct {
        const char* name;
        std::vector<std::string> out5, out9, in5;
        const char* message;
    } cases[] = {
        {"passes", {"10", "None", "abc"}, {"11", "", "1439"}, {"10", "10"}, ""},
        {"same output position",
         {"10", "None", "None"},
         {"None", "None", "10"},
         {},
         "Error in ByteOUT! The same byte of LoRaWAN is used in two bytes DeviceNet.\n\r"
         "( First ID = 5 Byte = 0, Second ID = 9 Byte = 2)"},
        {"output beyond the array",
         {"None", "1440", "None"},
         {},
         {},
         "Error! A byte offset must be None or a position between 0 and 1439\n\r( ID = 5 Byte Out = 1)"},
        {"input beyond the array",
         {},
         {},
         {"0", "99999"},
         "Error! A byte offset must be None or a position between 0 and 1439\n\r( ID = 5 Byte In = 1)"},
    };
    for (const auto& c : cases) {
        TSlaves s = Slaves(Two_Slaves);
        for (size_t j = 0; j < c.out5.size(); ++j) s[0].SL_ByteOUT[j] = c.out5[j];
        for (size_t j = 0; j < c.out9.size(); ++j) s[1].SL_ByteOUT[j] = c.out9[j];
        for (size_t j = 0; j < c.in5.size(); ++j) s[0].SL_ByteIN[j] = c.in5[j];
        const auto fault = proto::Check_Data(s);
        EXPECT_EQ(fault ? proto::Offset_Fault_Message(*fault) : std::string(), c.message) << c.name;
    }
}

TEST(DNetOffsets, Saved) {
    TSlaves s = Slaves(Two_Slaves);
    s[0].SL_ByteIN = {"0", "None"};
    s[0].SL_ByteIN_M = {"Pressure & <flow>", ""};
    s[1].SL_ByteOUT[2] = "1439";
    EXPECT_EQ(proto::Offsets_To_Xml(s), Data("DNETM_DefOff_saved.xml"));
    EXPECT_EQ(proto::Offsets_To_Xml({}), "<Define_Offset />\n<!--SW_VERSION = 1.000-->\n");
}

// ------------------------------------------------------------------ DMX

TEST(DMXChecks, Values) {
    const std::vector<TTableRow> good(3, TTableRow{"0"});
    Expect_Messages(proto::DMX_Member, proto::Check_DMX,
                    {
                        {"passes", {{{"0xFF"}, {"$FF"}, {"0"}, {"255"}}}, ""},
                        {"blanks around", {{{" 7"}, {"255 "}, {"\t0x10 "}}}, ""},
                        {"256", {{{"1"}, {"256"}}}, "Error row 2!! Default Value must be between 0 and 255"},
                        {"-1", {{{"-1"}}}, "Error row 1!! Default Value must be between 0 and 255"},
                        {"empty", {{{"1"}, {"1"}, {""}}}, "Error row 3!! Default Value must be between 0 and 255"},
                        {"text", {{{"ten"}}}, "Error row 1!! Default Value must be between 0 and 255"},
                    });
}

TEST(DMXFile, ChannelCountFromTheParameters) {
    const std::string dir = std::string(VASTRIMO_TEST_OUT) + "/dmx_channels";
    std::filesystem::create_directories(dir);
    const std::string path = dir + "/ParGen.xml";
    const struct {
        const char* text;  // nullptr: no file
        int channels;
        bool error;
    } cases[] = {
        {nullptr, 512, false},
        {"<Par_Gen><Other>3</Other></Par_Gen>", 512, false},
        {"<Par_Gen><DMX_Num_Channels>24</DMX_Num_Channels></Par_Gen>", 24, false},
        {"<Par_Gen><DMX_Num_Channels>0</DMX_Num_Channels></Par_Gen>", 0, false},
        {"<Par_Gen><DMX_Num_Channels>many</DMX_Num_Channels></Par_Gen>", 512, false},
        {"<Par_Gen><DMX_Num_Channels>-3</DMX_Num_Channels></Par_Gen>", 0, false},
        {"<Par_Gen><DMX_Num_Channels>100000000</DMX_Num_Channels></Par_Gen>", 512, false},
        {"<Par_Gen><DMX_Num_Channels>", 512, true},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(path);
        if (c.text) std::ofstream(path, std::ios::binary) << c.text;
        std::string error;
        EXPECT_EQ(proto::Read_DMX_Num_Channels(path, &error), c.channels) << (c.text ? c.text : "no file");
        EXPECT_EQ(!error.empty(), c.error) << error;
    }
}

TEST(DMXFile, SavedAndLoaded) {
    std::vector<TTable> tables = proto::Reset_Tables(proto::DMX_Member.File);
    tables[0].resize(3);
    tables[0][0] = {"1", "255", "Dimmer"};
    tables[0][2] = {"3", "0x10", ""};
    EXPECT_EQ(proto::Access_To_Xml(proto::DMX_Member.File, tables), Data("DMX_Default_Values_saved.xml"));
    // No channel: the root and the comment.
    EXPECT_EQ(proto::Access_To_Xml(proto::DMX_Member.File, {TTable{}}),
              "<DMX_Default_Values />\n<!--SW_VERSION = 1.000-->\n");
    std::vector<TTable> read = {proto::Reset_Table(proto::DMX_Member.File.Tables[0], 2)};
    const proto::TLoadReport report = proto::Read_Access_Xml(
        proto::DMX_Member.File, R"(<DMX_Default_Values><Row Mnemonic="a"/><X Default_Value="7"/></DMX_Default_Values>)",
        read);
    EXPECT_TRUE(report.Clean()) << report.Error;
    EXPECT_EQ(read[0], (TTable{{"1", "0", "a"}, {"2", "7", ""}}));
}
