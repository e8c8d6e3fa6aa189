#pragma once
// bank1.bin: the gateway's 2048-byte general parameter record. The record is
// shared by the whole gateway family; this model sets only the fields named
// below and leaves the others at their Init_Bank1 values. Numbers are
// little-endian, dotted addresses lowest byte first.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace gw {

inline constexpr size_t Bank1_Size = 2048;

// Offsets of the fields this model writes.
namespace bank1 {
inline constexpr size_t IP_Address = 0x028;
inline constexpr size_t Subnet_Mask = 0x02C;
inline constexpr size_t Default_Gateway = 0x030;
inline constexpr size_t Port_Fixed = 0x034;
inline constexpr size_t Port_1 = 0x036;
inline constexpr size_t Port_2 = 0x038;
inline constexpr size_t NB_Input = 0x074;
inline constexpr size_t NB_Output = 0x078;
inline constexpr size_t Flags = 0x4E8;  // bit 0: address by DHCP
inline constexpr size_t Device_Name = 0x514;
inline constexpr size_t Device_Name_Size = 32;
inline constexpr size_t Secondary_DNS = 0x53C;
inline constexpr size_t Primary_DNS = 0x58C;
inline constexpr size_t SW_Version = 0x66C;
inline constexpr size_t SW_Version_Size = 8;
inline constexpr size_t Bank2_Address = 0x674;
inline constexpr size_t Checksum = 0x7FC;
}  // namespace bank1

class TBank1_Data {
public:
    TBank1_Data() { Init_Bank1(); }

    // Every field to its default: the record as the device expects it when
    // no parameter file was ever written.
    void Init_Bank1();
    // "1.000" in the 8 version bytes, zero-filled.
    void Set_SW_Version();
    // Unsigned 32-bit sum of bytes 0 to 2043.
    uint32_t Checksum() const;
    // Stores the checksum and appends the 2048 bytes to buffer.
    void Copy_Bank1(std::string& buffer);

    void SetU8(size_t offset, uint8_t value) { bytes_[offset] = value; }
    void SetU16(size_t offset, uint16_t value);
    void SetU32(size_t offset, uint32_t value);
    void SetBytes(size_t offset, const uint8_t* data, size_t size);
    uint8_t U8(size_t offset) const { return bytes_[offset]; }
    uint16_t U16(size_t offset) const;
    uint32_t U32(size_t offset) const;
    const std::array<uint8_t, Bank1_Size>& Bytes() const { return bytes_; }

private:
    std::array<uint8_t, Bank1_Size> bytes_{};
};

}  // namespace gw
