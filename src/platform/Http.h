#pragma once
// One blocking HTTP GET (HTTP/1.0), as the version check sends it.

#include <string>
#include <utility>
#include <vector>

namespace plat {

struct THttpResult {
    bool ok = false;        // a reply came (any status)
    int status = 0;         // HTTP status code
    std::string body;
    std::string error;      // transfer error text when !ok
};

THttpResult HttpGet(const std::string& url, const std::vector<std::string>& headers, int timeoutMs);

}  // namespace plat
