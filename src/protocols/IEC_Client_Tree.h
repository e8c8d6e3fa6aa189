#pragma once
// The IEC 61850 client window's device tree: one decoded device shown as
// nodes (device, logical devices, logical nodes, data objects, attributes
// and data sets, each with its picture and colour), and the way back from
// a selected node to the model object it shows.

#include <vector>

#include "platform/Bitmap.h"
#include "platform/ComCtrls.h"
#include "protocols/IEC_Client_Decode.h"

namespace proto {

// Picture numbers of the node kinds; data objects show blue, data sets
// green, everything else black.
enum TIEC_Node_Kind { nkDevice, nkLDevice, nkLN, nkDO, nkDA, nkDataSet, nkKinds };

// The six 16 x 16 node pictures, by kind.
std::vector<plat::TBitmap> IEC_Node_Pictures();

// Clears the tree and shows the device in it; every object's TreeNode is
// set to its node. The device, its logical devices and logical nodes are
// expanded. Returns the device's node.
plat::TTreeNode* Show_Tree_IEC_Device(plat::TTreeView& Tree, TIEC_Device& app_IEC_Dev);

// The leaf attribute a node shows, or none (structured attributes, data
// objects and the levels above select nothing).
TIEC_DA* Search_Node_Selected(const TIEC_Device& Device, const plat::TTreeNode* Node);
TIEC_DataSet* Search_Node_Selected_DataSet(const TIEC_Device& Device, const plat::TTreeNode* Node);

}  // namespace proto
