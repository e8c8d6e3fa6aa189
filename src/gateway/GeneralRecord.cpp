#include "gateway/GeneralRecord.h"

#include <cstring>

namespace gw {

void TBank1_Data::Init_Bank1() {
    bytes_.fill(0);
    SetU32(0x000, 250000);
    SetU32(0x004, 250000);
    SetU32(0x00C, 9600);
    const uint8_t ip[4] = {192, 168, 2, 205};
    const uint8_t mask[4] = {255, 255, 255, 0};
    const uint8_t gateway[4] = {255, 255, 255, 255};
    SetBytes(bank1::IP_Address, ip, 4);
    SetBytes(bank1::Subnet_Mask, mask, 4);
    SetBytes(bank1::Default_Gateway, gateway, 4);
    SetU16(bank1::Port_Fixed, 10000);
    SetU16(bank1::Port_1, 10001);
    SetU16(bank1::Port_2, 10001);
    for (size_t i = 0x1B4; i < 0x1BC; ++i) bytes_[i] = 8;
}

void TBank1_Data::Set_SW_Version() {
    static const char version[] = "1.000";
    std::memset(&bytes_[bank1::SW_Version], 0, bank1::SW_Version_Size);
    std::memcpy(&bytes_[bank1::SW_Version], version, sizeof(version) - 1);
}

uint32_t TBank1_Data::Checksum() const {
    uint32_t sum = 0;
    for (size_t i = 0; i < bank1::Checksum; ++i) sum += bytes_[i];
    return sum;
}

void TBank1_Data::Copy_Bank1(std::string& buffer) {
    SetU32(bank1::Checksum, Checksum());
    buffer.append(reinterpret_cast<const char*>(bytes_.data()), bytes_.size());
}

void TBank1_Data::SetU16(size_t offset, uint16_t value) {
    bytes_[offset] = static_cast<uint8_t>(value);
    bytes_[offset + 1] = static_cast<uint8_t>(value >> 8);
}

void TBank1_Data::SetU32(size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes_[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

void TBank1_Data::SetBytes(size_t offset, const uint8_t* data, size_t size) {
    std::memcpy(&bytes_[offset], data, size);
}

uint16_t TBank1_Data::U16(size_t offset) const {
    return static_cast<uint16_t>(bytes_[offset] | (bytes_[offset + 1] << 8));
}

uint32_t TBank1_Data::U32(size_t offset) const {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | bytes_[offset + i];
    return v;
}

}  // namespace gw
