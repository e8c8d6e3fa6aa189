#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "protocols/EtherNetIP_EDS_Reader.h"

namespace {

using proto::TConnData;

// An entry of the usual form: field 2 with the formats, name, help text and
// the path in quotation marks, closed by ";".
std::string Entry(const std::string& Path, const std::string& Parameters = "0x00003400",
                  const std::string& Name = "\"Exclusive Owner\"") {
    return "0x04010002," + Parameters + ",,,,,,,,,,," + Name + ",\"\",\"" + Path + "\";";
}

std::vector<TConnData> Decode(const std::string& Value) {
    std::vector<TConnData> list;
    proto::Decode_Conn_Str(Value, list);
    return list;
}

TEST(EdsConnection, PathExamples) {
    const struct {
        const char* path;
        int cls, instanceOT, pointOT, instanceTO, pointTO;
    } cases[] = {
        {"20 04 24 01 2C 64 2C 65", 4, 1, 100, 1, 101},
        {"20 04 24 64 2C 96 2C 97", 4, 100, 150, 100, 151},
        {"20 04 24 01 2C 64 24 02 2C 65", 4, 1, 100, 2, 101},
        // A 16-bit instance keeps its high byte: 0x012C is 300, 0x0100 is 256.
        {"20 04 25 00 2C 01 2C 96 2C 97", 4, 300, 150, 300, 151},
        {"20 04 25 00 00 01 2C 96 2C 97", 4, 256, 150, 256, 151},
        {"20 04 25 00 FF FF 2C 96 2C 97", 4, 65535, 150, 65535, 151},
        {"20 04 26 00 2C 01 00 00 2C 64 2C 65", 4, 300, 100, 300, 101},
        {"20 04 2C 64 2C 65", 4, 1, 100, 1, 101},
        {"20 04 26 00 05 00 00 00 2C 64 2C 65", 4, 5, 100, 5, 101},
        {"20  04   24 01 2C 64 2C 65", 4, 1, 100, 1, 101},
        {"20 05 24 01 2C 64 ZZ 2C 65", 5, 1, 100, 1, 101},
    };
    for (const auto& c : cases) {
        const std::vector<TConnData> list = Decode(Entry(c.path));
        ASSERT_EQ(list.size(), 1u) << c.path;
        const TConnData& d = list[0];
        EXPECT_EQ(d.NumClass, c.cls) << c.path;
        EXPECT_EQ(d.InstanceOT, c.instanceOT) << c.path;
        EXPECT_EQ(d.ConnPointOT, c.pointOT) << c.path;
        EXPECT_EQ(d.InstanceTO, c.instanceTO) << c.path;
        EXPECT_EQ(d.ConnPointTO, c.pointTO) << c.path;
    }
}

TEST(EdsConnection, NameHelpAndFormats) {
    const std::vector<TConnData> list = Decode(Entry("20 04 24 01 2C 64 2C 65"));
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].ConnIndex, 1);
    EXPECT_EQ(list[0].ConnName, "\"Exclusive Owner\"");
    EXPECT_EQ(list[0].HelpStr, "\"\"");
    EXPECT_EQ(list[0].DimHeaderOT, 4);
    EXPECT_EQ(list[0].DimHeaderTO, 3);
    const struct {
        const char* parameters;
        int ot, to;
    } formats[] = {{"0x0000200", 2, 0}, {"$4400", 4, 4}, {"17408", 4, 4}, {"abc", 7, 7}, {"0xF4037402", 4, 7}};
    for (const auto& f : formats) {
        const std::vector<TConnData> l = Decode(Entry("20 04 24 01 2C 64 2C 65", f.parameters));
        ASSERT_EQ(l.size(), 1u) << f.parameters;
        EXPECT_EQ(l[0].DimHeaderOT, f.ot) << f.parameters;
        EXPECT_EQ(l[0].DimHeaderTO, f.to) << f.parameters;
    }
}

TEST(EdsConnection, RejectedForms) {
    const std::string rejected[] = {
        Entry("20 04 24 01 2C"),                      // 5 bytes
        Entry("21 04 24 01 2C 64 2C 65"),             // no class segment
        Entry("0x20 0x04 0x24 0x01 0x2C 0x64 0x2C"),  // no byte reads
        Entry("20 04 24 01 24 64 24 65"),             // no connection point
        Entry("20 04 24 01 2C 64 24 02"),             // T > O instance without its point
        Entry("20 04 25 00 2C 01"),                   // the search starts past the end
        "0x04010002,0x04030002,,,,,,,,,,,\"A\",\"\",\"20 04 24 01 2C 64 2C 65\"",  // no ";"
        Entry("20 04 26 00 2C 01"),                    // a 32-bit instance cut short
        "",
    };
    for (const std::string& e : rejected) EXPECT_TRUE(Decode(e).empty()) << e;
}

// Quotation marks protect what they hold: a comma in a name, a ";" or a
// "$" in a help text belong to the text, not to the entry's fields.
TEST(EdsConnection, QuotedTextsAreReadWhole) {
    const struct {
        const char* name;
        const char* help;
    } cases[] = {
        {"\"A, B\"", "\"\""},
        {"\"Exclusive Owner\"", "\"in, out; $5 a piece\""},
        {"\"Input Only, \"", "\"Connection $\""},
    };
    for (const auto& c : cases) {
        const std::vector<TConnData> list = Decode("0x04010002,0x00003400,,,,,,,,,,," + std::string(c.name) +
                                                   ", " + c.help + ",\"20 04 24 01 2C 64 2C 65\";");
        ASSERT_EQ(list.size(), 1u) << c.name;
        EXPECT_EQ(list[0].ConnName, c.name);
        EXPECT_EQ(list[0].HelpStr, c.help);
        EXPECT_EQ(list[0].ConnPointOT, 100) << c.name;
        EXPECT_EQ(list[0].ConnPointTO, 101) << c.name;
        EXPECT_EQ(list[0].DimHeaderTO, 3) << c.name;
    }
}

TEST(EdsConnection, LongPathIsCutNotOverrun) {
    std::string path = "20 04 24 01 2C 64 2C 65";
    for (int i = 0; i < 5000; ++i) path += " 2C";
    EXPECT_EQ(Decode(Entry(path)).size(), 1u);
}

const char* const Two_Entries_Over_Lines =
    "$ An EDS with a split entry\r\n"
    "[Device]\r\n"
    "ProdName = \"Connection Device\";\r\n"
    "[Connection Manager]  $ the section\r\n"
    "Object_Name = \"Connection Manager Object\";\r\n"
    "Connection1 =\r\n"
    "    0x04010002,  $ trigger and transport\r\n"
    "    0x44640405,  $ connection parameters\r\n"
    "    ,,,,,,,,,,\r\n"
    "    \"Exclusive Owner\", \"\",  $ name and help\r\n"
    "    \"20 04 24 01 2C 64 2C 65\";  $ path\r\n"
    "Connection2 = 0x04010002,0x00000000,,,,,,,,,,,\"Listen Only\",\"help\",\"20 04 24 02 2C C8 2C 65\";\r\n"
    "[Capacity]\r\n"
    "Connection3 = 0x04010002,0x00000000,,,,,,,,,,,\"Outside\",\"\",\"20 04 24 02 2C C8 2C 65\";\r\n";

TEST(EdsFile, SectionCommentsAndContinuationLines) {
    const std::vector<TConnData> list = proto::Read_EDS_Connections(Two_Entries_Over_Lines);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].ConnName, "\"Exclusive Owner\"");
    EXPECT_EQ(list[0].ConnPointOT, 100);
    EXPECT_EQ(list[0].DimHeaderOT, 4);
    EXPECT_EQ(list[0].DimHeaderTO, 0);
    EXPECT_EQ(list[1].ConnIndex, 2);
    EXPECT_EQ(list[1].ConnName, "\"Listen Only\"");
    EXPECT_EQ(list[1].HelpStr, "\"help\"");
    EXPECT_EQ(list[1].InstanceOT, 2);
    EXPECT_EQ(list[1].ConnPointOT, 200);
}

// In a file a "$" starts a comment only outside quotation marks, and a
// quoted name that holds the word "Connection" starts no entry.
TEST(EdsFile, QuotedDollarAndNameOverLines) {
    const char* const text =
        "[Connection Manager]\n"
        "Connection1 =\n"
        "    0x04010002, 0x00003400,,,,,,,,,,,  $ parameters\n"
        "    \"Connection, main\",  $ name\n"
        "    \"costs $5; see manual\",  $ help\n"
        "    \"20 04 25 00 2C 01 2C 96 2C 97\";  $ path\n"
        "Connection2 = 0x04010002,0x00000000,,,,,,,,,,,\"Listen\",\"\",\"20 04 24 02 2C C8 2C 65\";\n";
    const std::vector<TConnData> list = proto::Read_EDS_Connections(text);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].ConnName, "\"Connection, main\"");
    EXPECT_EQ(list[0].HelpStr, "\"costs $5; see manual\"");
    EXPECT_EQ(list[0].InstanceOT, 300);
    EXPECT_EQ(list[0].ConnPointTO, 151);
    EXPECT_EQ(list[1].ConnIndex, 2);
    EXPECT_EQ(list[1].ConnName, "\"Listen\"");
}

TEST(EdsFile, LineEndingsAndNoSection) {
    std::string lf = Two_Entries_Over_Lines, cr = Two_Entries_Over_Lines;
    for (size_t at; (at = lf.find("\r\n")) != std::string::npos;) lf.erase(at, 1);
    for (size_t at; (at = cr.find("\r\n")) != std::string::npos;) cr.erase(at + 1, 1);
    EXPECT_EQ(proto::Read_EDS_Connections(lf), proto::Read_EDS_Connections(Two_Entries_Over_Lines));
    EXPECT_EQ(proto::Read_EDS_Connections(cr), proto::Read_EDS_Connections(Two_Entries_Over_Lines));
    EXPECT_TRUE(proto::Read_EDS_Connections("[Device]\nConnection1 = " + Entry("20 04 24 01 2C 64 2C 65")).empty());
    EXPECT_TRUE(proto::Load_EDS_Connections("/no/such/file.eds").empty());
}

TEST(EdsFile, VeryLongLineIsRead) {
    std::string name(200000, 'N');
    const std::string text = "[Connection Manager]\nConnection1 = " + Entry("20 04 24 01 2C 64 2C 65", "0", "\"" + name + "\"");
    const std::vector<TConnData> list = proto::Read_EDS_Connections(text);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].ConnName.size(), name.size() + 2);
}

}  // namespace
