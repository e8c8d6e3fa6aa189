#pragma once
// "Set Variables Access for IEC61850" (unit UIEC61850_Variables): the
// variables the gateway offers as an IEC 61850 server, each a name, a type
// and a size over a place in the input data array, with its bit, conversion,
// scaling and byte-order options. Stored in "IEC61850_Variables.xml".

#include <vector>

#include "protocols/AccessTableForm.h"

namespace proto {

// The server's view of the input data array: positions 0 .. 1437.
inline constexpr int IEC61850_Input_Bytes = 1438;

// Real column indexes of the variable table.
namespace iec_var {
inline constexpr int Enable = 1, Name = 2, Type = 3, Length = 4, Read_Only = 5, Position = 6, Start_Bit = 7,
                     Conversion = 8, Molt_Factor = 9, Swap = 10, Swap_Word = 11, Mnemonic = 12;
}

extern const TAccessMember IEC61850_Variables_Member;

// The check of the enabled rows; Separator is the system's decimal mark.
TCheckOutcome Check_IEC61850_Variables(const std::vector<TTable>& Tables, char Separator);

class TFIEC61850_Variables : public TAccessTableForm {
public:
    explicit TFIEC61850_Variables(plat::TComponent* AOwner);
    ~TFIEC61850_Variables() override;

protected:
    TCheckOutcome Check_Tables(const std::vector<TTable>& Tables) override;
};

extern TFIEC61850_Variables* FIEC61850_Variables;

}  // namespace proto
