#pragma once
// Data compiled into the program from the resources/ folder (texts, window
// layouts, pictures), so the executable runs from wherever it is copied.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace base {

// The bytes of resources/<name> (for example "texts/default.txt"); the view
// is followed by a zero byte and lives as long as the program.
std::optional<std::string_view> FindResource(std::string_view name);

// Names of the resources whose path starts with folder (for example "layouts/").
std::vector<std::string> ResourceNames(std::string_view folder);

}  // namespace base
