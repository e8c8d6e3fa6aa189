#pragma once
// The system clipboard as text.

#include <string>

namespace plat {

class TClipboard {
public:
    std::string AsText() const;
    void SetAsText(const std::string& Value);
    bool HasText() const;
    void Clear();
};

TClipboard& Clipboard();

}  // namespace plat
