#pragma once
// The system clipboard: text, and blocks of bytes under registered formats
// (RegisterWindowMessage numbers) that sit beside the text.

#include <string>

namespace plat {

class TClipboard {
public:
    std::string AsText() const;
    // Replaces what the clipboard holds with the text.
    void SetAsText(const std::string& Value);
    bool HasText() const;
    void Clear();
    // Adds a block under a registered format to what the clipboard holds.
    void AddFormat(unsigned Format, const std::string& Bytes);
    bool HasFormat(unsigned Format) const;
    // The block of a format; empty when there is none.
    std::string AsFormat(unsigned Format) const;
};

TClipboard& Clipboard();

}  // namespace plat
