#pragma once
// The device image builder: turns "ParGen.xml" and "LoRaWAN_Gateway.xml" of a
// configuration into bank1.bin (the general parameter record) and bank2.bin
// (the LoRaWAN block with the concentrator text). It reads the two files
// itself, with its own conversions, so the image always reflects what is
// stored on disk and never what an editing window holds. Each build starts
// from nothing: no value of an earlier build is carried over.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "gateway/GeneralRecord.h"
#include "gateway/ImageModel.h"

namespace plat {
class TXmlDocument;
class TXmlNode;
}  // namespace plat

namespace gw {

// The two files of the image, as written to the device.
struct TDeviceImage {
    std::string Bank1;  // 2048 bytes
    std::string Bank2;
};

// --- Conversions of the stored texts -------------------------------------

// Left-pads with "0" to length; a text of that length or longer is unchanged.
std::string Pad_Hex_Left(std::string_view text, size_t length);

// A hex text of up to 2n digits into n bytes: trimmed, left-padded with "0",
// read pair by pair from the left; a pair that is not hexadecimal gives 0 and
// digits beyond the field are dropped. In text order the first pair is byte
// 0; reversed it is byte n-1, so EUIs and addresses end up least significant
// byte first.
void Hex_Field(std::string_view text, uint8_t* out, size_t n, bool reversed);

template <size_t N>
std::array<uint8_t, N> Hex_Field(std::string_view text, bool reversed) {
    std::array<uint8_t, N> out{};
    Hex_Field(text, out.data(), N, reversed);
    return out;
}

// One byte per character (the low 8 bits of its code), at most size of them.
void Text_Bytes(std::string_view utf8, uint8_t* out, size_t size);

bool Is_Public_Network(std::string_view text);  // trimmed, upper-cased "PUBLIC"
bool Is_Confirmed(std::string_view text);       // exactly "Confirmed"
bool Is_OTAA(std::string_view text);            // trimmed, upper-cased "OVER-THE-AIR ACTIVATION [OTAA]"

// --- The build -------------------------------------------------------------

// Reads the keys under the root of "ParGen.xml" into the record, the
// LoRaWAN settings and the block header.
void Load_ParGen(const plat::TXmlNode& root, TBank1_Data& bank1, TLoRaWAN_ParGen& parGen,
                 TLoRaWAN_Infos& infos);

// The settings a build uses when "ParGen.xml" is missing: gateway mode with
// the defaults of every key.
TLoRaWAN_ParGen Default_ParGen();

// Reads the enabled devices and rules of "LoRaWAN_Gateway.xml" (doc null: no
// file) and assigns the block addresses from base. False with a message that
// names fileName and what is missing or wrong.
bool Load_LoRaWAN_Devices(const plat::TXmlDocument* doc, const TLoRaWAN_ParGen& parGen, TLoRaWAN_Infos& infos,
                          uint32_t base, std::string* error,
                          std::string_view fileName = "LoRaWAN_Gateway.xml");

// The whole build from loaded documents (null: the file is missing).
bool Build_Banks(const plat::TXmlDocument* parGen, const plat::TXmlDocument* loRaWAN, TDeviceImage& image,
                 std::string* error = nullptr);

// The build from the files; a missing file is a normal state, a file that
// cannot be read or used ends the build with a message naming it.
bool Build_Image(const std::string& parGenFile, const std::string& loRaWANFile, TDeviceImage& image,
                 std::string* error = nullptr);

// Writes confPath/bin/bank1.bin and bank2.bin as a pair: a reader of bin
// sees both of the new build or both of the old one, even after a crash
// (base::WriteFolderAtomic). Creates the bin folder when it is missing.
bool Write_Bank_Files(const TDeviceImage& image, const std::string& confPath, std::string* error = nullptr);

// The "Update Device" step's entry points: Create_Bin builds in memory,
// Save_Bin writes what the last successful build produced. A failed build
// leaves nothing to save, so the files of an earlier build stay as they were.
class TImageBuilder {
public:
    // The open configuration's files (shell::ParGen_File, shell::LoRaWAN_Gateway_File, shell::Conf_Path).
    bool Create_Bin();
    bool Save_Bin();
    bool Create_Bin(const std::string& parGenFile, const std::string& loRaWANFile);
    bool Save_Bin(const std::string& confPath);
    const TDeviceImage& Image() const { return image_; }
    const std::string& ErrorString() const { return error_; }

private:
    TDeviceImage image_;
    bool built_ = false;
    std::string error_;
};

}  // namespace gw
