#include "protocols/IEC_Client_State.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace proto;
namespace fs = std::filesystem;

namespace {

const std::string Scl = std::string(VASTRIMO_TEST_DATA) + "/scl/";

// A configuration folder with its catalog holding the given SCL fixtures.
struct TClientFolder {
    std::string conf, catalog, file;
    explicit TClientFolder(const std::string& name, std::initializer_list<const char*> scl = {"basic.icd"}) {
        conf = (fs::path(VASTRIMO_TEST_OUT) / "iec_client" / name).string();
        fs::remove_all(conf);
        fs::create_directories(conf);
        catalog = ICD_Catalog_Folder(conf);
        for (const char* s : scl) EXPECT_TRUE(Copy_To_Catalog(Scl + s, catalog, nullptr)) << s;
        file = conf + "/IEC_61850_Client.xml";
    }
};

const TIEC_DA& Attribute(const TIEC_Device& device, const char* ld, const char* ln, const char* data,
                         const char* da) {
    return *device.Find_LDevice(ld)->Find_LN(ln)->Find_DO(data)->Find_DA(da);
}

TIEC_DataSet& DataSet(const TIEC_Device& device, const char* ld, const char* ln, std::size_t n) {
    return *device.Find_LDevice(ld)->Find_LN(ln)->List_DataSet.at(n);
}

// The state loaded from a client file of the given text.
void Load_Text(const TClientFolder& folder, const std::string& xml, TIEC_Client_State& state,
               std::vector<std::string>& messages) {
    std::ofstream(folder.file) << xml;
    ASSERT_TRUE(state.Load(folder.file, folder.catalog, messages));
}

// Two devices from the same catalog file, a variable and a data set with
// member settings on the second.
TIEC_Client_State Filled(const TClientFolder& folder) {
    TIEC_Client_State state;
    EXPECT_TRUE(state.Add_Device(folder.catalog + "/basic.icd", nullptr));
    EXPECT_TRUE(state.Add_Device(folder.catalog + "/basic.icd", nullptr));
    const TIEC_Device& second = *state.List_IEC_Dev[1];
    EXPECT_TRUE(state.Add_Variable(1, Attribute(second, "LD1", "MMXU", "phsA", "f")));
    state.Add_DataSet(1, DataSet(second, "LD0", "LLN0", 0));
    TDataSet& row = state.List_DataSet.at(0);
    row.List_DAs.at(0).Position = "100";
    row.List_DAs.at(1).Mnemonic = "origin";
    row.List_DAs.at(2).multFactor = "0.1";
    return state;
}

}  // namespace

TEST(IEC_Client_State, AddVarFillsRowsFromTheModel) {
    TClientFolder folder("addvar");
    TIEC_Client_State state = Filled(folder);
    ASSERT_EQ(state.Variables.size(), 1u);
    const TIEC_DA_Row& v = state.Variables[0];
    EXPECT_EQ(v[DA_Col_Num], "1");
    EXPECT_EQ(v[DA_Col_Index], "1");
    EXPECT_EQ(v[DA_Col_bType], "FLOAT32");
    EXPECT_EQ(v[DA_Col_FC], "MX");
    EXPECT_EQ(v[DA_Col_Reference], "E1LD1/MMXU1.A.phsA.cVal.mag.f");
    EXPECT_EQ(v[DA_Col_StartByte], "0");
    EXPECT_EQ(v[DA_Col_NumByte], "4");
    EXPECT_EQ(v[DA_Col_OnChange] + v[DA_Col_OnCMD] + v[DA_Col_OnTimer], "NNN");
    EXPECT_EQ(state.Fixed_Bytes, std::vector<bool>{true});

    const TIEC_DataSet_Row& d = state.DataSets.at(0);
    EXPECT_EQ(d, (TIEC_DataSet_Row{"1", "1", "E1LD0/LLN0.DS1", "GC1", "Y", "", "", "", ""}));
    EXPECT_EQ(state.List_DataSet.at(0).List_DAs.size(), 3u);

    // A structured attribute is no variable; a string leaves its bytes open.
    const TIEC_Device& first = *state.List_IEC_Dev[0];
    EXPECT_FALSE(state.Add_Variable(0, Attribute(first, "LD0", "XCBR", "Pos", "origin")));
    EXPECT_TRUE(state.Add_Variable(0, Attribute(first, "LD1", "MMXU", "A", "d")));
    EXPECT_EQ(state.Variables.size(), 2u);
    EXPECT_EQ(state.Variables[1][DA_Col_Num], "2");
    EXPECT_EQ(state.Variables[1][DA_Col_StartByte], "");
    EXPECT_EQ(state.Fixed_Bytes, (std::vector<bool>{true, false}));
}

TEST(IEC_Client_State, SaveAndLoadReattachesDataSetMembers) {
    TClientFolder folder("reload");
    const TIEC_Client_State saved = Filled(folder);
    ASSERT_TRUE(Save_IEC_Client(saved.To_File(), folder.file, nullptr));

    TIEC_Client_State loaded;
    std::vector<std::string> messages;
    ASSERT_TRUE(loaded.Load(folder.file, folder.catalog, messages));
    EXPECT_TRUE(messages.empty());
    ASSERT_EQ(loaded.List_IEC_Dev.size(), 2u);
    EXPECT_EQ(loaded.Variables, saved.Variables);
    EXPECT_EQ(loaded.DataSets, saved.DataSets);
    const TDataSet& row = loaded.List_DataSet.at(0);
    ASSERT_EQ(row.Select_DataSet, &DataSet(*loaded.List_IEC_Dev[1], "LD0", "LLN0", 0));
    ASSERT_EQ(row.List_DAs.size(), 3u);
    EXPECT_EQ(row.List_DAs[0].Select_DA, row.Select_DataSet->List_DA[0]);
    EXPECT_EQ(row.List_DAs[0].Position, "100");
    EXPECT_EQ(row.List_DAs[1].Mnemonic, "origin");
    EXPECT_EQ(row.List_DAs[2].multFactor, "0.1");
    EXPECT_EQ(loaded.To_File(), saved.To_File());
}

TEST(IEC_Client_State, LoadingRewritesFixedByteCells) {
    TClientFolder folder("fixedbytes", {});
    TIEC_Client_State state;
    std::vector<std::string> messages;
    Load_Text(folder,
              "<IEC_68850_Client><List_DA_Selected>"
              "<DA_Item Index='0' bType='FLOAT32' StartByte='5' NumByte='2'/>"
              "<DA_Item Index='0' bType='VisString255' StartByte='5' NumByte='2'/>"
              "</List_DA_Selected></IEC_68850_Client>",
              state, messages);
    EXPECT_EQ(state.Variables[0][DA_Col_StartByte] + state.Variables[0][DA_Col_NumByte], "04");
    EXPECT_EQ(state.Variables[1][DA_Col_StartByte] + state.Variables[1][DA_Col_NumByte], "52");
    EXPECT_EQ(state.Fixed_Bytes, (std::vector<bool>{true, false}));
    // Both data-set tables stay in their empty state.
    EXPECT_EQ(state.DataSets.size(), 1u);
    EXPECT_EQ(state.List_DataSet.size(), 1u);
}

// Members are matched by position, type and reference: one that moved or
// changed loses its settings instead of lending them to another.
TEST(IEC_Client_State, SavedMembersThatNoLongerMatchAreDropped) {
    TClientFolder folder("members");
    TIEC_Client_State state;
    std::vector<std::string> messages;
    Load_Text(folder,
           "<IEC_68850_Client><List_ICD_Files><ICD_File Name='E1' FileName='basic.icd'/></List_ICD_Files>"
           "<List_DataSet_Selected>"
           "<DataSet_Item Index='0' Reference='E1LD0/LLN0.DS1'><DataSet_List_DAs>"
           "<DataSet_DA_Item bType='Dbpos' Reference='E1LD0/Q0XCBR1.Pos.stVal' Position='1'/>"
           "<DataSet_DA_Item bType='Enum' Reference='E1LD0/Q0XCBR1.Pos.other' Position='2'/>"
           "<DataSet_DA_Item bType='INT8' Reference='E1LD1/MMXU1.A.phsA.cVal.mag.f' Position='3'/>"
           "<DataSet_DA_Item bType='FLOAT32' Reference='E1LD1/MMXU1.A.phsA.cVal.mag.f' Position='4'/>"
           "</DataSet_List_DAs></DataSet_Item>"
           "<DataSet_Item Index='x' Reference='E1LD0/LLN0.DS1'><DataSet_List_DAs>"
           "<DataSet_DA_Item bType='Dbpos' Reference='E1LD0/Q0XCBR1.Pos.stVal' Position='9'/>"
           "</DataSet_List_DAs></DataSet_Item>"
           "</List_DataSet_Selected></IEC_68850_Client>",
           state, messages);
    const TDataSet& row = state.List_DataSet.at(0);
    ASSERT_EQ(row.List_DAs.size(), 1u);
    EXPECT_EQ(row.List_DAs[0].Position, "1");
    // An Index that is no number finds no data set: the row stays, bare.
    EXPECT_EQ(state.List_DataSet.at(1).Select_DataSet, nullptr);
    EXPECT_TRUE(state.To_File().DataSets.at(1).Members.empty());
    EXPECT_EQ(state.DataSets.at(1)[DS_Col_Index], "x");
}

// A device whose SCL file went missing keeps its place: the rows after it
// still name the right device, and its own rows lose nothing at the next OK.
TEST(IEC_Client_State, MissingCatalogFileKeepsAStandIn) {
    TClientFolder folder("standin", {"basic.icd", "prefixed.icd"});
    TIEC_Client_State state;
    ASSERT_TRUE(state.Add_Device(folder.catalog + "/basic.icd", nullptr));
    ASSERT_TRUE(state.Add_Device(folder.catalog + "/prefixed.icd", nullptr));
    state.Add_DataSet(0, DataSet(*state.List_IEC_Dev[0], "LD0", "LLN0", 0));
    state.List_DataSet[0].List_DAs[0].Position = "7";
    state.Add_DataSet(1, DataSet(*state.List_IEC_Dev[1], "C1", "LLN0", 0));
    state.List_DataSet[1].List_DAs[0].Position = "8";
    const TIEC_Client_File before = state.To_File();
    ASSERT_TRUE(Save_IEC_Client(before, folder.file, nullptr));
    fs::remove(folder.catalog + "/basic.icd");

    TIEC_Client_State loaded;
    std::vector<std::string> messages;
    ASSERT_TRUE(loaded.Load(folder.file, folder.catalog, messages));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("basic.icd"), std::string::npos) << messages[0];
    ASSERT_EQ(loaded.List_IEC_Dev.size(), 2u);
    EXPECT_TRUE(loaded.List_IEC_Dev[0]->fMissing);
    EXPECT_EQ(loaded.List_IEC_Dev[0]->fName, "E1");
    EXPECT_EQ(loaded.List_DataSet[1].Select_DataSet, &DataSet(*loaded.List_IEC_Dev[1], "C1", "LLN0", 0));
    EXPECT_EQ(loaded.List_DataSet[1].List_DAs.at(0).Position, "8");
    EXPECT_EQ(loaded.To_File(), before);
}

TEST(IEC_Client_State, UnreadableCatalogFileIsReportedAndStoodIn) {
    TClientFolder folder("badscl", {"malformed.icd"});
    TIEC_Client_State state;
    std::vector<std::string> messages;
    Load_Text(folder,
              "<IEC_68850_Client><List_ICD_Files><ICD_File Name='E1' FileName='malformed.icd'/>"
              "</List_ICD_Files></IEC_68850_Client>",
              state, messages);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("malformed.icd"), std::string::npos);
    ASSERT_EQ(state.List_IEC_Dev.size(), 1u);
    EXPECT_TRUE(state.List_IEC_Dev[0]->fMissing);

    std::string error;
    EXPECT_FALSE(state.Add_Device(folder.catalog + "/malformed.icd", &error));
    EXPECT_NE(error.find("malformed.icd"), std::string::npos);
    EXPECT_EQ(state.List_IEC_Dev.size(), 1u);
}

TEST(IEC_Client_State, RemovingADeviceRenumbersOrIsRefused) {
    TClientFolder folder("remove");
    TIEC_Client_State state;
    for (int d = 0; d < 3; ++d) ASSERT_TRUE(state.Add_Device(folder.catalog + "/basic.icd", nullptr));
    const TIEC_Device& third = *state.List_IEC_Dev[2];
    ASSERT_TRUE(state.Add_Variable(2, Attribute(third, "LD0", "XCBR", "Pos", "q")));
    state.Add_DataSet(2, DataSet(third, "LD0", "LLN0", 1));
    EXPECT_EQ(state.Remove_Device(3), TIEC_Client_State::No_Device);
    EXPECT_EQ(state.Remove_Device(2), TIEC_Client_State::In_Use);
    EXPECT_EQ(state.Remove_Device(1), TIEC_Client_State::Removed);
    EXPECT_EQ(state.List_IEC_Dev.size(), 2u);
    EXPECT_EQ(state.Variables[0][DA_Col_Index], "1");
    EXPECT_EQ(state.DataSets[0][DS_Col_Index], "1");
    EXPECT_EQ(state.List_DataSet[0].Select_DataSet, &DataSet(*state.List_IEC_Dev[1], "LD0", "LLN0", 1));

    // A data-set row alone keeps its device too.
    state.Remove_Variable(1);
    EXPECT_EQ(state.Remove_Device(1), TIEC_Client_State::In_Use);
    state.Remove_DataSet(1);
    EXPECT_EQ(state.Remove_Device(1), TIEC_Client_State::Removed);
}

// Row r of the data-set table and item r-1 of its member lists stay
// together, also when a row was typed by hand before a data set was added.
TEST(IEC_Client_State, DataSetRowsAndMemberListsStayAligned) {
    TClientFolder folder("aligned");
    TIEC_Client_State state;
    ASSERT_TRUE(state.Add_Device(folder.catalog + "/basic.icd", nullptr));
    state.DataSets[0][DS_Col_Index] = "0";  // typed
    state.Add_DataSet(0, DataSet(*state.List_IEC_Dev[0], "LD0", "LLN0", 0));
    state.Add_DataSet(0, DataSet(*state.List_IEC_Dev[0], "LD0", "XCBR", 0));
    ASSERT_EQ(state.List_DataSet.size(), 3u);
    EXPECT_EQ(state.List_DataSet[0].Select_DataSet, nullptr);
    EXPECT_EQ(state.List_DataSet[2].Select_DataSet->fName, "DS3");
    state.Remove_DataSet(2);
    ASSERT_EQ(state.DataSets.size(), 2u);
    EXPECT_EQ(state.DataSets[1][DS_Col_Num], "2");
    EXPECT_EQ(state.List_DataSet[1].Select_DataSet->fName, "DS3");
    state.Remove_DataSet(1);
    state.Remove_DataSet(1);
    EXPECT_EQ(state.DataSets, (std::vector<TIEC_DataSet_Row>{{"1"}}));
    EXPECT_EQ(state.List_DataSet.size(), 1u);
    EXPECT_EQ(state.List_DataSet[0].Select_DataSet, nullptr);
}

TEST(IEC_Client_State, CatalogCopyFailureIsReported) {
    TClientFolder folder("copy", {});
    std::string error;
    EXPECT_FALSE(Copy_To_Catalog(Scl + "no_such.icd", folder.catalog, &error));
    EXPECT_NE(error.find("no_such.icd"), std::string::npos) << error;
    EXPECT_EQ(Catalog_Target("C:\\picked\\x.icd", folder.catalog), folder.catalog + "/x.icd");
}

TEST(IEC_Client_State, GetDataSetLooksInTheIndexedDeviceOnly) {
    TClientFolder folder("getds", {"basic.icd", "prefixed.icd"});
    TIEC_Client_State state;
    ASSERT_TRUE(state.Add_Device(folder.catalog + "/basic.icd", nullptr));
    ASSERT_TRUE(state.Add_Device(folder.catalog + "/prefixed.icd", nullptr));
    EXPECT_EQ(Get_DataSet(state.List_IEC_Dev, 0, "E1LD0/XCBR.DS3"), &DataSet(*state.List_IEC_Dev[0], "LD0", "XCBR", 0));
    EXPECT_EQ(Get_DataSet(state.List_IEC_Dev, 1, "E1LD0/XCBR.DS3"), nullptr);
    EXPECT_EQ(Get_DataSet(state.List_IEC_Dev, -1, "E1LD0/XCBR.DS3"), nullptr);
    EXPECT_EQ(Get_DataSet(state.List_IEC_Dev, 2, "P1C1/LLN0.Meas"), nullptr);
}
