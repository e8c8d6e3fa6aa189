#include "platform/Http.h"

#include <curl/curl.h>

#include <memory>
#include <mutex>

namespace plat {

namespace {

// A version page is a few bytes; a reply far larger than any page we read
// is cut off rather than allowed to fill memory.
constexpr std::size_t MaxBody = 8 * 1024 * 1024;

struct Sink {
    std::string body;
    bool tooLarge = false;
};

size_t OnData(char* data, size_t size, size_t count, void* user) {
    auto* sink = static_cast<Sink*>(user);
    const size_t bytes = size * count;
    if (sink->body.size() + bytes > MaxBody) {
        sink->tooLarge = true;
        return 0;  // makes the transfer fail
    }
    sink->body.append(data, bytes);
    return bytes;
}

void GlobalInit() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct EasyDeleter {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
struct ListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

}  // namespace

THttpResult HttpGet(const std::string& url, const std::vector<std::string>& headers, int timeoutMs) {
    THttpResult result;
    GlobalInit();
    std::unique_ptr<CURL, EasyDeleter> curl(curl_easy_init());
    if (!curl) {
        result.error = "Cannot start an HTTP transfer";
        return result;
    }

    std::unique_ptr<curl_slist, ListDeleter> list;
    for (const std::string& h : headers) {
        // A line break in a header would let it smuggle a second header or
        // a second request onto the wire.
        if (h.find_first_of("\r\n") != std::string::npos) {
            result.error = "Invalid HTTP header: line break in \"" + h.substr(0, h.find_first_of("\r\n")) + "\"";
            return result;
        }
        curl_slist* next = curl_slist_append(list.get(), h.c_str());
        if (!next) {
            result.error = "Out of memory building the HTTP request";
            return result;
        }
        (void)list.release();
        list.reset(next);
    }

    Sink sink;
    char detail[CURL_ERROR_SIZE] = {};
    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, url.c_str());
    // Plain web requests only: a URL from elsewhere must not reach local
    // files or other protocols.
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
    curl_easy_setopt(c, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, list.get());
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &OnData);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &sink);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, detail);
    // Time-outs by signal would disturb the rest of the program.
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    if (timeoutMs > 0) {
        curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, static_cast<long>(timeoutMs));
        curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(timeoutMs));
    }

    const CURLcode code = curl_easy_perform(c);
    if (code != CURLE_OK) {
        result.error = sink.tooLarge ? "HTTP reply larger than " + std::to_string(MaxBody / (1024 * 1024)) + " MiB"
                       : detail[0] != '\0' ? std::string(detail)
                                           : std::string(curl_easy_strerror(code));
        return result;
    }
    long status = 0;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status);
    result.ok = true;
    result.status = static_cast<int>(status);
    result.body = std::move(sink.body);
    return result;
}

}  // namespace plat
