#include "protocols/IEC_Client_Tree.h"

namespace proto {

using plat::TTreeNode;
using plat::TTreeView;

namespace {

TTreeNode* Add(TTreeView& Tree, TTreeNode* Parent, const std::string& Text, TIEC_Node_Kind Kind) {
    TTreeNode* node = Tree.AddChild(Parent, Text);
    node->SetImageIndex(Kind);
    node->SetTextColor(Kind == nkDO ? plat::clBlue : Kind == nkDataSet ? plat::clGreen : plat::clBlack);
    return node;
}

void Show_Tree_IEC_DA(TTreeView& Tree, TIEC_DA& app_IEC_DA, TTreeNode* NodeOrig) {
    app_IEC_DA.TreeNode = Add(Tree, NodeOrig, app_IEC_DA.fName, nkDA);
    for (TIEC_DA& member : app_IEC_DA.List_DA) Show_Tree_IEC_DA(Tree, member, app_IEC_DA.TreeNode);
}

void Show_Tree_IEC_DO(TTreeView& Tree, TIEC_DO& app_IEC_DO, TTreeNode* NodeOrig) {
    app_IEC_DO.TreeNode = Add(Tree, NodeOrig, app_IEC_DO.fName, nkDO);
    for (TIEC_DO& sdo : app_IEC_DO.List_DO) Show_Tree_IEC_DO(Tree, sdo, app_IEC_DO.TreeNode);
    for (TIEC_DA& da : app_IEC_DO.List_DA) Show_Tree_IEC_DA(Tree, da, app_IEC_DO.TreeNode);
}

void Show_Tree_IEC_LN(TTreeView& Tree, TIEC_LN& app_IEC_LN, TTreeNode* NodeOrig) {
    app_IEC_LN.TreeNode = Add(Tree, NodeOrig, app_IEC_LN.fPrefix + app_IEC_LN.flnClass + app_IEC_LN.fInst, nkLN);
    for (TIEC_DO& data : app_IEC_LN.List_DO) Show_Tree_IEC_DO(Tree, data, app_IEC_LN.TreeNode);
    for (const auto& dataSet : app_IEC_LN.List_DataSet)
        dataSet->TreeNode = Add(Tree, app_IEC_LN.TreeNode, dataSet->fName, nkDataSet);
    app_IEC_LN.TreeNode->SetExpanded(true);
}

void Show_Tree_IEC_LDevice(TTreeView& Tree, TIEC_LDevice& app_IEC_LDev, TTreeNode* NodeOrig) {
    app_IEC_LDev.TreeNode = Add(Tree, NodeOrig, app_IEC_LDev.fName, nkLDevice);
    for (const auto& ln : app_IEC_LDev.List_LN) Show_Tree_IEC_LN(Tree, *ln, app_IEC_LDev.TreeNode);
    app_IEC_LDev.TreeNode->SetExpanded(true);
}

TIEC_DA* Search_Node_DA(const std::vector<TIEC_DA>& List, const TTreeNode* Node) {
    for (const TIEC_DA& da : List) {
        if (da.TreeNode == Node) return da.List_DA.empty() ? const_cast<TIEC_DA*>(&da) : nullptr;
        if (TIEC_DA* found = Search_Node_DA(da.List_DA, Node)) return found;
    }
    return nullptr;
}

TIEC_DA* Search_Node_DO(const std::vector<TIEC_DO>& List, const TTreeNode* Node) {
    for (const TIEC_DO& data : List) {
        if (TIEC_DA* found = Search_Node_DO(data.List_DO, Node)) return found;
        if (TIEC_DA* found = Search_Node_DA(data.List_DA, Node)) return found;
    }
    return nullptr;
}

}  // namespace

std::vector<plat::TBitmap> IEC_Node_Pictures() {
    // Plain shapes in the colours of the node kinds, drawn rather than
    // shipped: a box for the device, folders for the levels that hold
    // others, a dot for data objects, a small bar for attributes and a list
    // for data sets.
    struct TShape {
        plat::TColor Fill;
        plat::TRect Body;
    };
    const TShape shapes[nkKinds] = {
        {plat::RGB(96, 96, 96), {1, 2, 15, 14}},    {plat::RGB(224, 176, 64), {1, 3, 15, 13}},
        {plat::RGB(80, 144, 224), {2, 3, 14, 13}},  {plat::clBlue, {4, 4, 12, 12}},
        {plat::RGB(40, 40, 40), {4, 6, 12, 10}},    {plat::clGreen, {2, 1, 14, 15}},
    };
    std::vector<plat::TBitmap> pictures;
    for (const TShape& shape : shapes) {
        plat::TBitmap& picture = pictures.emplace_back(16, 16);
        plat::TCanvas& canvas = picture.Canvas();
        canvas.Brush().SetColor(plat::clWhite);
        canvas.FillRect(plat::TRect{0, 0, 16, 16});
        canvas.Brush().SetColor(shape.Fill);
        canvas.FillRect(shape.Body);
    }
    // The data set's list: white lines across its body.
    plat::TCanvas& list = pictures[nkDataSet].Canvas();
    list.Brush().SetColor(plat::clWhite);
    for (int y = 4; y < 14; y += 3) list.FillRect(plat::TRect{4, y, 12, y + 1});
    return pictures;
}

TTreeNode* Show_Tree_IEC_Device(TTreeView& Tree, TIEC_Device& app_IEC_Dev) {
    Tree.Clear();
    app_IEC_Dev.TreeNode = Add(Tree, nullptr, app_IEC_Dev.fName, nkDevice);
    for (const auto& ld : app_IEC_Dev.List_LDevice) Show_Tree_IEC_LDevice(Tree, *ld, app_IEC_Dev.TreeNode);
    app_IEC_Dev.TreeNode->SetExpanded(true);
    return app_IEC_Dev.TreeNode;
}

TIEC_DA* Search_Node_Selected(const TIEC_Device& Device, const TTreeNode* Node) {
    if (Node == nullptr || Node == Device.TreeNode) return nullptr;
    for (const auto& ld : Device.List_LDevice)
        for (const auto& ln : ld->List_LN)
            if (TIEC_DA* found = Search_Node_DO(ln->List_DO, Node)) return found;
    return nullptr;
}

TIEC_DataSet* Search_Node_Selected_DataSet(const TIEC_Device& Device, const TTreeNode* Node) {
    if (Node == nullptr || Node == Device.TreeNode) return nullptr;
    for (const auto& ld : Device.List_LDevice)
        for (const auto& ln : ld->List_LN)
            for (const auto& dataSet : ln->List_DataSet)
                if (dataSet->TreeNode == Node) return dataSet.get();
    return nullptr;
}

}  // namespace proto
