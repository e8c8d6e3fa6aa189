#pragma once
// Rows of the IEC 61850 client's variable table shared by its tests.

#include <string>

#include "protocols/IEC_Client_File.h"

namespace prototest {

// A variable row, numbered 1, that passes every rule of the data check.
inline proto::TIEC_DA_Row Passing_Variable(const std::string& bType = "FLOAT32") {
    using namespace proto;
    TIEC_DA_Row row;
    row[DA_Col_Num] = "1";
    row[DA_Col_Index] = "0";
    row[DA_Col_bType] = bType;
    row[DA_Col_StartByte] = "0";
    row[DA_Col_NumByte] = "4";
    row[DA_Col_IPAddress] = "192.168.1.125";
    row[DA_Col_Port] = "102";
    row[DA_Col_OnTimer] = "N";
    row[DA_Col_Position] = "0";
    row[DA_Col_MoltFact] = "None";
    return row;
}

}  // namespace prototest
