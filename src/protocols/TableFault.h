#pragma once
// The first fault a protocol table's data check finds, kept apart from any
// message box: the numbered texts of the message and the row it names. The
// message reads: the prefix text, the row number, the rule's text, then the
// suffix (a limit or an expected value) where the rule has one.

#include <string>

namespace proto {

struct TTableFault {
    int prefix = 0;  // "Error row " or the like; 0: the message has no row
    int row = 0;
    int text = 0;  // 0: everything passed
    std::string suffix;

    bool Ok() const { return text == 0; }
    bool operator==(const TTableFault&) const = default;
};

inline TTableFault Table_Fault(int prefix, int row, int text, std::string suffix = {}) {
    return TTableFault{prefix, row, text, std::move(suffix)};
}

// The text the user reads; empty for a passed check.
std::string Table_Fault_Message(const TTableFault& fault);

}  // namespace proto
