#include "protocols/IEC_Client_Tree.h"

#include "platform/Application.h"
#include "platform/Forms.h"

#include <gtest/gtest.h>

#include <functional>

using namespace proto;
using plat::TTreeNode;

namespace {

// "text kind" per node, indented by level, for the nodes under root.
void Dump(const TTreeNode* node, std::string& out) {
    out += std::string(node->Level(), ' ') + node->Text() + ' ' + std::to_string(node->ImageIndex()) + '\n';
    for (int i = 0; i < node->Count(); ++i) Dump(node->Item(i), out);
}

class IEC_Client_Tree : public ::testing::Test {
protected:
    void SetUp() override {
        plat::InitApplication();
        form = std::make_unique<plat::TForm>(nullptr);
        tree = new plat::TTreeView(form.get());
        tree->SetParent(form.get());
        std::string error;
        device = TIEC_Device::Create(std::string(VASTRIMO_TEST_DATA) + "/scl/prefixed.icd", &error);
        ASSERT_TRUE(device) << error;
    }
    std::unique_ptr<plat::TForm> form;
    plat::TTreeView* tree = nullptr;
    std::unique_ptr<TIEC_Device> device;
};

}  // namespace

TEST_F(IEC_Client_Tree, ShowsTheModelInListOrder) {
    TTreeNode* root = Show_Tree_IEC_Device(*tree, *device);
    std::string dump;
    Dump(root, dump);
    EXPECT_EQ(dump,
              "P1 0\n"
              " C1 1\n"
              "  LLN0 2\n"
              "   Meas 5\n"
              "  MMXU1 2\n"
              "   Hz 3\n"
              "    mag 4\n"
              "     f 4\n");
    EXPECT_TRUE(root->Expanded());
    EXPECT_TRUE(root->Item(0)->Item(1)->Expanded());
    EXPECT_FALSE(device->Find_LDevice("C1")->Find_LN("MMXU")->Find_DO("Hz")->TreeNode->Expanded());
    EXPECT_EQ(device->Find_LDevice("C1")->Find_LN("MMXU")->Find_DO("Hz")->TreeNode->TextColor(), plat::clBlue);
    EXPECT_EQ(device->Find_LDevice("C1")->Find_LN("LLN0")->List_DataSet[0]->TreeNode->TextColor(), plat::clGreen);
}

TEST_F(IEC_Client_Tree, OnlyLeafAttributesAndDataSetsAreSelected) {
    Show_Tree_IEC_Device(*tree, *device);
    TIEC_LN& mmxu = *device->Find_LDevice("C1")->Find_LN("MMXU");
    TIEC_DA& mag = mmxu.Find_DO("Hz")->List_DA[0];
    TIEC_DataSet& meas = *device->Find_LDevice("C1")->Find_LN("LLN0")->List_DataSet[0];
    const struct {
        const char* name;
        const TTreeNode* node;
        const TIEC_DA* da;
        const TIEC_DataSet* dataSet;
    } cases[] = {
        {"leaf", mag.List_DA[0].TreeNode, &mag.List_DA[0], nullptr},
        {"structured attribute", mag.TreeNode, nullptr, nullptr},
        {"data object", mmxu.List_DO[0].TreeNode, nullptr, nullptr},
        {"logical node", mmxu.TreeNode, nullptr, nullptr},
        {"device", device->TreeNode, nullptr, nullptr},
        {"data set", meas.TreeNode, nullptr, &meas},
        {"nothing", nullptr, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Search_Node_Selected(*device, c.node), c.da) << c.name;
        EXPECT_EQ(Search_Node_Selected_DataSet(*device, c.node), c.dataSet) << c.name;
    }
    EXPECT_EQ(IEC_Node_Pictures().size(), static_cast<std::size_t>(nkKinds));
}
