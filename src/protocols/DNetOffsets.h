#pragma once
// The DeviceNet byte map without its window: the slaves of the network list
// ("DNETM_Net.xml", written by the network window) and, for every input and
// output byte of each slave, its position in the gateway's data array or
// "None", stored in "DNETM_DefOff.xml". The k-th node of the offsets file
// belongs to the k-th slave of the network list, whatever its ID.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace proto {

// Positions of the gateway's data array a DeviceNet byte may take.
inline constexpr int DNet_Positions = 1440;

struct TSlave_DN {
    uint8_t ID = 0;
    uint16_t ByteIN = 0;
    uint16_t ByteOUT = 0;
    // The slave's row of the network list as written: ID, Num Byte In,
    // Num Byte Out, Mnemonic.
    std::vector<std::string> Row = std::vector<std::string>(4);
    // One entry per byte, byte 0 first: the position ("None" or a number)
    // and the byte's mnemonic.
    std::vector<std::string> SL_ByteIN, SL_ByteIN_M, SL_ByteOUT, SL_ByteOUT_M;
};
using TSlaves = std::vector<TSlave_DN>;

// Every byte of the slave at "None" with an empty mnemonic, one entry per
// byte of its counts.
void Clear_Bytes(TSlave_DN& Slave);

// Why a read was not clean; the slaves read so far stay.
struct TOffsetRead {
    bool Clean = true;
    std::string Error;
    void Fail(std::string What) {
        if (Clean) Error = std::move(What);
        Clean = false;
    }
};

// One slave per row element of the network list, every byte at "None"
// with an empty mnemonic. A row lacking an attribute, or whose counts are
// no number, is read with what it has (0 for a count) and reported.
void Read_DNet_Slaves(std::string_view Xml, TSlaves& Slaves, TOffsetRead& Report);
// The stored positions and mnemonics, by slave position and byte number;
// nodes and bytes beyond the list keep nothing.
void Read_DNet_Offsets(std::string_view Xml, TSlaves& Slaves, TOffsetRead& Report);
// The same from the files; a missing file reads as nothing and is clean.
void Load_Slave_DN(const std::string& Path, TSlaves& Slaves, TOffsetRead& Report);
void Load_Offset_Slave_DN(const std::string& Path, TSlaves& Slaves, TOffsetRead& Report);

// A fault of the byte map: a position outside the array, or one position
// fed by two output bytes (Owner set).
struct TOffsetFault {
    bool Output = true;  // the faulty byte is an output byte
    int ID = 0, Byte = 0;
    std::optional<std::pair<int, int>> Owner;  // ID and byte that hold the position first
};

// Output bytes must not share a position; any position must lie in the
// array ("None" and texts that are no number are no position).
std::optional<TOffsetFault> Check_Data(const TSlaves& Slaves);
// The message the user reads for a fault.
std::string Offset_Fault_Message(const TOffsetFault& Fault);

std::string Offsets_To_Xml(const TSlaves& Slaves);
// Atomic: a failed save leaves the old file and reports why.
bool Save_Offset_Slave_DN(const TSlaves& Slaves, const std::string& Path, std::string* Error = nullptr);

}  // namespace proto
