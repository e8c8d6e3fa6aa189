#pragma once
// Whole-file saves of the platform services (XML documents, the registry
// file). Not for the layers above: they save through the base helpers.

#include <string>
#include <string_view>

namespace plat {

// Writes bytes to a temporary file beside path, flushes it to disk and
// renames it over path, keeping the old file's permissions. False with a
// message naming the file when any step fails; the old file is then intact
// and the temporary file removed.
bool WriteFileReplacing(const std::string& path, std::string_view bytes, std::string& error);

}  // namespace plat
