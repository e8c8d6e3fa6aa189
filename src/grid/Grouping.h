#pragma once
// How grouping colours, merges and summarises the rows it makes, and what
// selection and check boxes do with groups. Every string grid owns one.

#include <string>

#include "platform/Classes.h"
#include "platform/Graphics.h"

namespace grid {

class TGrouping : public plat::TObject {
public:
    // Copies every look setting of another grouping; Summary and the line
    // colours and widths stay, as they belong to the grid that owns this
    // one. Any other kind of source changes nothing.
    void Assign(const plat::TObject* Source);

    bool AutoSelectGroup = false;
    bool AutoCheckGroup = false;
    std::string GroupCountFormat;
    plat::TColor HeaderColor = plat::clNone;
    plat::TColor HeaderColorTo = plat::clNone;
    plat::TColor HeaderTextColor = plat::clNone;
    bool HeaderUnderline = false;
    plat::TColor HeaderLineColor = plat::clBlue;
    int HeaderLineWidth = 2;
    bool MergeHeader = false;
    bool MergeSummary = false;
    bool ShowGroupCount = false;
    bool Summary = false;
    plat::TColor SummaryColor = plat::clNone;
    plat::TColor SummaryColorTo = plat::clNone;
    plat::TColor SummaryTextColor = plat::clNone;
    bool SummaryLine = false;
    plat::TColor SummaryLineColor = plat::clBlue;
    int SummaryLineWidth = 2;
};

}  // namespace grid
