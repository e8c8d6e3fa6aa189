#pragma once
// Rows of the BACnet tables that pass every check, so a test changes only the
// cells it is about; and the default texts for the messages.

#include <initializer_list>
#include <string>
#include <utility>

#include "protocols/BACnetAccessData.h"
#include "protocols/BACnetSlaveData.h"
#include "shell/Language.h"

namespace bactest {

using Cells = std::initializer_list<std::pair<int, std::string>>;

inline void Put(proto::TTableRow& row, Cells cells) {
    for (const auto& [column, text] : cells) row[column] = text;
}

inline proto::TTableRow Read_Row(Cells cells = {}) {
    using namespace proto::bac_read;
    proto::TTableRow row(Count);
    Put(row, {{Enable, "Y"},
              {Address, "192.168.1.10"},
              {Object_Type, "Analog Input"},
              {Instance, "1"},
              {Property, "Present Value (85)"},
              {NByte, "4"},
              {En_Dest, "N"},
              {Poll_Time, "1000"},
              {Max_Err, "0"},
              {Position, "0"},
              {Start_Bit, "0"},
              {Mnemonic, "T1"}});
    Put(row, cells);
    return row;
}

inline proto::TTableRow Write_Row(Cells cells = {}) {
    using namespace proto::bac_write;
    proto::TTableRow row(Count);
    Put(row, {{Enable, "Y"},
              {Address, "192.168.1.10"},
              {Object_Type, "Analog Value"},
              {Data_Type, "Real"},
              {Instance, "1"},
              {Property, "Present Value (85)"},
              {Priority, "0"},
              {NByte, "4"},
              {En_Dest, "N"},
              {Change, "N"},
              {Timer, "N"},
              {Poll_Time, "1000"},
              {Max_Err, "0"},
              {Position, "0"},
              {Start_Bit, "0"},
              {Mnemonic, "W1"}});
    Put(row, cells);
    return row;
}

inline proto::TTableRow Slave_Row(const std::string& type, const std::string& position,
                                  const std::string& length, Cells cells = {}) {
    using namespace proto::bac_slave;
    proto::TTableRow row(Count);
    Put(row, {{Data_Type, type},
              {Eng_Unit, "62"},
              {Position, position},
              {Bit, "0"},
              {Length, length},
              {Swap, "N"},
              {Mnemonic, "Obj"}});
    Put(row, cells);
    return row;
}

// Texts for the messages, once per test program.
inline void Use_Default_Texts() {
    static const bool loaded = [] {
        shell::Load_Default_Texts();
        return true;
    }();
    (void)loaded;
}

}  // namespace bactest
