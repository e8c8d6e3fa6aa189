#pragma once
// Decoding of text files written by other programs: UTF-8 with or without
// BOM, UTF-16 LE/BE with BOM, otherwise Windows-1252 when the bytes are not
// valid UTF-8.

#include <string>
#include <string_view>

namespace base {

enum class TTextEncoding { Utf8, Utf8Bom, Utf16LE, Utf16BE, Windows1252 };

TTextEncoding DetectEncoding(std::string_view bytes);
std::string DecodeText(std::string_view bytes, TTextEncoding* found = nullptr);  // -> UTF-8 without BOM
std::string EncodeText(std::string_view utf8, TTextEncoding encoding);           // adds the BOM where the encoding has one
bool IsValidUtf8(std::string_view bytes);
std::string Windows1252ToUtf8(std::string_view bytes);
std::string Utf8ToWindows1252(std::string_view utf8, char replacement = '?');
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

}  // namespace base
