#pragma once
// What the parameter window's controls show after loading "ParGen.xml",
// which is also what OK writes back when the user changes nothing: lists
// show only their own entries, check boxes only "1" or "0".

#include <string>
#include <string_view>
#include <vector>

#include "gateway/ParGenFile.h"

namespace gw {

// The entry of a fixed list that a stored text selects: equal without
// regard to letter case; an empty text when none matches (no selection).
std::string Select_List_Entry(const std::vector<std::string>& entries, std::string_view stored);

// The values as read from the file (missing keys already at their
// defaults) -> the values the controls show. The mode always ends on
// "Gateway" and the Wi-Fi DHCP box unchecked; the band is matched first,
// because its entry decides the data-rate and RX2 lists the stored rates
// are looked up in. Edits, hidden ones included, keep their text.
TParGenData ParGen_Shown_Values(const TParGenData& stored);

}  // namespace gw
