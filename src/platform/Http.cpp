#include "platform/Http.h"

#include <curl/curl.h>

#include <memory>
#include <string>
#include <type_traits>

#include "platform/DynamicLibrary.h"

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

// The transfer library is loaded with the first request, not with the
// program: it brings some twenty libraries of its own (encryption, name
// lookup, authentication), and loading them at every start cost more than
// a version check that runs at most now and then.
constexpr const char* Transfer_Library = "libcurl.so.4";

struct TCurl {
    decltype(&curl_global_init) global_init = nullptr;
    decltype(&curl_easy_init) easy_init = nullptr;
    decltype(&curl_easy_setopt) easy_setopt = nullptr;
    decltype(&curl_easy_perform) easy_perform = nullptr;
    decltype(&curl_easy_getinfo) easy_getinfo = nullptr;
    decltype(&curl_easy_strerror) easy_strerror = nullptr;
    decltype(&curl_easy_cleanup) easy_cleanup = nullptr;
    decltype(&curl_slist_append) slist_append = nullptr;
    decltype(&curl_slist_free_all) slist_free_all = nullptr;
    std::string error;  // why it could not be loaded
};

// Loaded once and kept for the life of the program; null members and an
// error when the library or one of its entry points is missing.
const TCurl& Curl() {
    static const TCurl curl = [] {
        TCurl c;
        // Never unloaded: the library and those it brings may leave exit
        // handlers behind that must find their code still there.
        static TDynamicLibrary& library = *new TDynamicLibrary;
        if (!library.Load(Transfer_Library)) {
            c.error = "The HTTP library " + std::string(Transfer_Library) + " cannot be loaded: " + library.Error();
            return c;
        }
        bool complete = true;
        const auto bind = [&](auto& entry, const char* name) {
            entry = reinterpret_cast<std::remove_reference_t<decltype(entry)>>(library.Symbol(name));
            if (entry == nullptr && complete) {
                complete = false;
                c.error = "The HTTP library " + std::string(Transfer_Library) + " has no \"" + name + "\"";
            }
        };
        bind(c.global_init, "curl_global_init");
        bind(c.easy_init, "curl_easy_init");
        bind(c.easy_setopt, "curl_easy_setopt");
        bind(c.easy_perform, "curl_easy_perform");
        bind(c.easy_getinfo, "curl_easy_getinfo");
        bind(c.easy_strerror, "curl_easy_strerror");
        bind(c.easy_cleanup, "curl_easy_cleanup");
        bind(c.slist_append, "curl_slist_append");
        bind(c.slist_free_all, "curl_slist_free_all");
        if (!complete) return TCurl{.error = c.error};
        c.global_init(CURL_GLOBAL_DEFAULT);
        return c;
    }();
    return curl;
}

struct EasyDeleter {
    void operator()(CURL* curl) const { Curl().easy_cleanup(curl); }
};
struct ListDeleter {
    void operator()(curl_slist* list) const { Curl().slist_free_all(list); }
};

}  // namespace

THttpResult HttpGet(const std::string& url, const std::vector<std::string>& headers, int timeoutMs) {
    THttpResult result;
    const TCurl& api = Curl();
    if (!api.error.empty()) {
        result.error = api.error;
        return result;
    }
    std::unique_ptr<CURL, EasyDeleter> curl(api.easy_init());
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
        curl_slist* next = api.slist_append(list.get(), h.c_str());
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
    api.easy_setopt(c, CURLOPT_URL, url.c_str());
    // Plain web requests only: a URL from elsewhere must not reach local
    // files or other protocols.
    api.easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    api.easy_setopt(c, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
    api.easy_setopt(c, CURLOPT_HTTPGET, 1L);
    api.easy_setopt(c, CURLOPT_HTTPHEADER, list.get());
    api.easy_setopt(c, CURLOPT_FOLLOWLOCATION, 0L);
    api.easy_setopt(c, CURLOPT_WRITEFUNCTION, &OnData);
    api.easy_setopt(c, CURLOPT_WRITEDATA, &sink);
    api.easy_setopt(c, CURLOPT_ERRORBUFFER, detail);
    // Time-outs by signal would disturb the rest of the program.
    api.easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    if (timeoutMs > 0) {
        api.easy_setopt(c, CURLOPT_TIMEOUT_MS, static_cast<long>(timeoutMs));
        api.easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(timeoutMs));
    }

    const CURLcode code = api.easy_perform(c);
    if (code != CURLE_OK) {
        result.error = sink.tooLarge ? "HTTP reply larger than " + std::to_string(MaxBody / (1024 * 1024)) + " MiB"
                       : detail[0] != '\0' ? std::string(detail)
                                           : std::string(api.easy_strerror(code));
        return result;
    }
    long status = 0;
    api.easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status);
    result.ok = true;
    result.status = static_cast<int>(status);
    result.body = std::move(sink.body);
    return result;
}

}  // namespace plat
