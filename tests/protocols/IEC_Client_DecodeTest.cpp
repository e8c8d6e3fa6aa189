#include "protocols/IEC_Client_Decode.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

using proto::TIEC_DA;
using proto::TIEC_Device;
using proto::TIEC_DO;

namespace {

const std::string Data = std::string(VASTRIMO_TEST_DATA) + "/scl/";

void DumpDA(const TIEC_DA& da, int depth, std::ostream& out) {
    out << std::string(depth, ' ') << "DA " << da.fReference << ' ' << da.fbType << ' ' << da.fFC << '\n';
    for (const TIEC_DA& member : da.List_DA) DumpDA(member, depth + 1, out);
}

void DumpDO(const TIEC_DO& data, int depth, std::ostream& out) {
    out << std::string(depth, ' ') << "DO " << data.fName << '\n';
    for (const TIEC_DO& sdo : data.List_DO) DumpDO(sdo, depth + 1, out);
    for (const TIEC_DA& da : data.List_DA) DumpDA(da, depth + 1, out);
}

// The whole model as text, so one comparison shows every difference.
std::string Dump(const TIEC_Device& device) {
    std::ostringstream out;
    out << "IED " << device.fName << ' ' << device.fFileName << '\n';
    for (const auto& ld : device.List_LDevice) {
        out << " LD " << ld->fName << '\n';
        for (const auto& ln : ld->List_LN) {
            out << "  LN " << ln->fPrefix << '|' << ln->flnClass << '|' << ln->fInst << ' ' << ln->flnType << '\n';
            for (const TIEC_DO& data : ln->List_DO) DumpDO(data, 3, out);
            for (const auto& ds : ln->List_DataSet) {
                out << "   DS " << ds->fReference << ' ' << ds->fGooseName << '\n';
                for (const TIEC_DA* member : ds->List_DA) out << "    = " << member->fReference << '\n';
            }
        }
    }
    return out.str();
}

std::unique_ptr<TIEC_Device> Decode(const std::string& text, std::string* error = nullptr) {
    return TIEC_Device::Create_From_Text(text, "test.icd", error);
}

// An IED around one logical node of type G, with the given templates.
std::string OneNode(const std::string& templates, const std::string& ldInst = "LD0") {
    return "<SCL><IED name=\"E9\"><AccessPoint><Server><LDevice inst=\"" + ldInst +
           "\"><LN lnClass=\"GGIO\" inst=\"1\" lnType=\"G\"/></LDevice></Server></AccessPoint></IED>"
           "<DataTypeTemplates>" + templates + "</DataTypeTemplates></SCL>";
}

}  // namespace

TEST(IEC_Client_Decode, ExpandsTemplatesAndResolvesDataSets) {
    std::string error;
    const auto device = TIEC_Device::Create(Data + "basic.icd", &error);
    ASSERT_TRUE(device) << error;
    const std::string pos0 = "    DA E1LD0/Q0XCBR1.Pos.";
    const std::string pos1 = "    DA E1LD0/Q1XCBR2.Pos.";
    EXPECT_EQ(Dump(*device),
              "IED E1 basic.icd\n"
              " LD LD0\n"
              "  LN |LLN0| LLN0_T\n"
              "   DO Mod\n"
              "    DA E1LD0/LLN0.Mod.stVal Enum ST\n"
              "   DS E1LD0/LLN0.DS1 GC1\n"
              "    = E1LD0/Q0XCBR1.Pos.stVal\n"
              "    = E1LD0/Q0XCBR1.Pos.origin.orCat\n"
              "    = E1LD1/MMXU1.A.phsA.cVal.mag.f\n"
              "   DS E1LD0/LLN0.DS2 GC3\n"
              "  LN Q0|XCBR|1 XCBR_T\n"
              "   DO Pos\n" +
                  pos0 + "origin Struct ST\n" +
                  " " + pos0 + "origin.orCat Enum ST\n" +
                  " " + pos0 + "origin.orIdent Octet64 ST\n" +
                  pos0 + "stVal Dbpos ST\n" +
                  pos0 + "q Quality ST\n" +
                  pos0 + "t Timestamp \n" +
                  pos0 + "ctlModel Enum CF\n"
              "   DO OpCnt\n"
              "    DA E1LD0/Q0XCBR1.OpCnt.stVal INT32 ST\n"
              "   DS E1LD0/XCBR.DS3 \n"
              "    = E1LD0/Q0XCBR1.Pos.q\n"
              "  LN Q1|XCBR|2 XCBR_T\n"
              "   DO Pos\n" +
                  pos1 + "origin Struct ST\n" +
                  " " + pos1 + "origin.orCat Enum ST\n" +
                  " " + pos1 + "origin.orIdent Octet64 ST\n" +
                  pos1 + "stVal Dbpos ST\n" +
                  pos1 + "q Quality ST\n" +
                  pos1 + "t Timestamp \n" +
                  pos1 + "ctlModel Enum CF\n"
              "   DO OpCnt\n"
              "    DA E1LD0/Q1XCBR2.OpCnt.stVal INT32 ST\n"
              "  LN |GGIO|1 \n"
              " LD LD1\n"
              "  LN |MMXU|1 MMXU_T\n"
              "   DO A\n"
              "    DO phsA\n"
              "     DA E1LD1/MMXU1.A.phsA.cVal Struct MX\n"
              "      DA E1LD1/MMXU1.A.phsA.cVal.mag Struct MX\n"
              "       DA E1LD1/MMXU1.A.phsA.cVal.mag.f FLOAT32 MX\n"
              "    DA E1LD1/MMXU1.A.d VisString255 DC\n");
}

TEST(IEC_Client_Decode, DataSetMembersAreObjectsOfTheSameTree) {
    const auto device = TIEC_Device::Create(Data + "basic.icd");
    ASSERT_TRUE(device);
    const auto& ds1 = device->Find_LDevice("LD0")->Find_LN("LLN0")->List_DataSet.at(0);
    ASSERT_EQ(ds1->List_DA.size(), 3u);
    const TIEC_DO* pos = device->Find_LDevice("LD0")->Find_LN("XCBR")->Find_DO("Pos");
    EXPECT_EQ(ds1->List_DA[0], pos->Find_DA("stVal"));
    EXPECT_EQ(ds1->List_DA[1], pos->Find_First_DA());
    EXPECT_EQ(ds1->List_DA[2], device->Find_LDevice("LD1")->Find_LN("MMXU")->Find_DO("phsA")->Find_DA("f"));
}

TEST(IEC_Client_Decode, NamespacePrefixesDecodeAsTheDefaultNamespace) {
    std::string error;
    const auto device = TIEC_Device::Create(Data + "prefixed.icd", &error);
    ASSERT_TRUE(device) << error;
    EXPECT_EQ(Dump(*device),
              "IED P1 prefixed.icd\n"
              " LD C1\n"
              "  LN |LLN0| L0\n"
              "   DS P1C1/LLN0.Meas G1\n"
              "    = P1C1/MMXU1.Hz.mag.f\n"
              "  LN |MMXU|1 M\n"
              "   DO Hz\n"
              "    DA P1C1/MMXU1.Hz.mag Struct MX\n"
              "     DA P1C1/MMXU1.Hz.mag.f FLOAT32 MX\n");
}

TEST(IEC_Client_Decode, LogicalDeviceWithoutInstContinuesAfterTheIedName) {
    const auto device = Decode(OneNode(
        "<LNodeType id=\"G\"><DO name=\"Ind\" type=\"S\"/></LNodeType>"
        "<DOType id=\"S\"><DA name=\"stVal\" bType=\"BOOLEAN\" fc=\"ST\"/></DOType>", ""));
    ASSERT_TRUE(device);
    EXPECT_EQ(device->List_LDevice.at(0)->List_LN.at(0)->List_DO.at(0).List_DA.at(0).fReference,
              "E9/GGIO1.Ind.stVal");
}

TEST(IEC_Client_Decode, IncompleteFilesGiveAnEmptyOrNamedDevice) {
    const struct {
        const char* name;
        std::string text;
        const char* iedName;
    } cases[] = {
        {"other root", "<Root><IED name=\"E1\"/><DataTypeTemplates/></Root>", ""},
        {"no IED", "<SCL><DataTypeTemplates/></SCL>", ""},
        {"no templates", "<SCL><IED name=\"E1\"><AccessPoint><Server><LDevice inst=\"A\"/></Server></AccessPoint></IED></SCL>", ""},
        {"no access point", "<SCL><IED name=\"E1\"/><DataTypeTemplates/></SCL>", "E1"},
        {"no server", "<SCL><IED name=\"E1\"><AccessPoint/></IED><DataTypeTemplates/></SCL>", "E1"},
    };
    for (const auto& c : cases) {
        std::string error;
        const auto device = Decode(c.text, &error);
        ASSERT_TRUE(device) << c.name << ": " << error;
        EXPECT_EQ(device->fName, c.iedName) << c.name;
        EXPECT_EQ(device->fFileName, "test.icd") << c.name;
        EXPECT_TRUE(device->List_LDevice.empty()) << c.name;
    }
}

TEST(IEC_Client_Decode, MissingFileGivesOnlyTheFileName) {
    std::string error;
    const auto device = TIEC_Device::Create(Data + "no_such_file.icd", &error);
    ASSERT_TRUE(device);
    EXPECT_EQ(device->fFileName, "no_such_file.icd");
    EXPECT_EQ(device->fName, "");
    EXPECT_TRUE(device->List_LDevice.empty());
}

TEST(IEC_Client_Decode, MalformedFileGivesNoDeviceAndAMessageNamingIt) {
    std::string error;
    EXPECT_FALSE(TIEC_Device::Create(Data + "malformed.icd", &error));
    EXPECT_NE(error.find("malformed.icd"), std::string::npos) << error;
    EXPECT_NE(error.find("line 5"), std::string::npos) << error;
}

// Types that hold themselves would recurse until the stack runs out; a
// deep or widely fanned-out chain would exhaust memory instead.
TEST(IEC_Client_Decode, RefusesTypesThatExpandWithoutEnd) {
    std::string deep = "<LNodeType id=\"G\"><DO name=\"D\" type=\"T0\"/></LNodeType>";
    for (int i = 0; i < 100; ++i)
        deep += "<DOType id=\"T" + std::to_string(i) + "\"><SDO name=\"s\" type=\"T" + std::to_string(i + 1) +
                "\"/></DOType>";
    std::string wide = "<LNodeType id=\"G\"><DO name=\"D\" type=\"T0\"/></LNodeType>";
    for (int i = 0; i < 12; ++i) {
        wide += "<DOType id=\"T" + std::to_string(i) + "\">";
        for (int k = 0; k < 8; ++k) wide += "<SDO name=\"s" + std::to_string(k) + "\" type=\"T" + std::to_string(i + 1) + "\"/>";
        wide += "</DOType>";
    }
    const struct {
        const char* name;
        std::string text;
        const char* message;
    } cases[] = {
        {"data attribute holding itself",
         OneNode("<LNodeType id=\"G\"><DO name=\"D\" type=\"S\"/></LNodeType>"
                 "<DOType id=\"S\"><DA name=\"v\" bType=\"Struct\" type=\"V\"/></DOType>"
                 "<DAType id=\"V\"><BDA name=\"a\" bType=\"INT8\"/><BDA name=\"self\" bType=\"Struct\" type=\"V\"/></DAType>"),
         "the type \"V\" contains itself"},
        {"deep chain", OneNode(deep), "nest deeper than 64"},
        {"wide fan-out", OneNode(wide), "more than 2000000 objects"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(Decode(c.text, &error)) << c.name;
        EXPECT_NE(error.find("test.icd"), std::string::npos) << c.name << ": " << error;
        EXPECT_NE(error.find(c.message), std::string::npos) << c.name << ": " << error;
    }

    std::string error;
    EXPECT_FALSE(TIEC_Device::Create(Data + "cyclic.icd", &error));
    EXPECT_NE(error.find("cyclic.icd"), std::string::npos) << error;
    EXPECT_NE(error.find("contains itself"), std::string::npos) << error;
}

TEST(IEC_Client_Decode, SameTypeUsedTwiceSideBySideIsNoCycle) {
    const auto device = Decode(OneNode(
        "<LNodeType id=\"G\"><DO name=\"D\" type=\"S\"/></LNodeType>"
        "<DOType id=\"S\"><DA name=\"a\" bType=\"Struct\" type=\"V\"/><DA name=\"b\" bType=\"Struct\" type=\"V\"/></DOType>"
        "<DAType id=\"V\"><BDA name=\"x\" bType=\"INT8\"/></DAType>"));
    ASSERT_TRUE(device);
    const TIEC_DO& data = device->List_LDevice.at(0)->List_LN.at(0)->List_DO.at(0);
    ASSERT_EQ(data.List_DA.size(), 2u);
    EXPECT_EQ(data.List_DA[1].List_DA.at(0).fReference, "E9LD0/GGIO1.D.b.x");
}
