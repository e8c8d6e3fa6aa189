#include "protocols/TableFault.h"

#include "shell/Language.h"

namespace proto {

std::string Table_Fault_Message(const TTableFault& fault) {
    if (fault.Ok()) return "";
    std::string message;
    if (fault.prefix != 0) message = shell::Lang_Texts[fault.prefix] + std::to_string(fault.row);
    return message + shell::Lang_Texts[fault.text] + fault.suffix;
}

}  // namespace proto
