#include "platform/Http.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A one-connection HTTP server on 127.0.0.1: it records the request it gets
// and answers with a canned reply (or holds the line silent).
class TinyServer {
public:
    explicit TinyServer(std::string reply, bool silent = false) : reply_(std::move(reply)), silent_(silent) {
        listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        addr.sin_port = 0;
        socklen_t len = sizeof addr;
        if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
            ::listen(listener_, 4) != 0 || ::getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
            ADD_FAILURE() << "cannot open a listening socket on 127.0.0.1";
            return;
        }
        port_ = ntohs(addr.sin_port);
        thread_ = std::thread([this] { Serve(); });
    }
    ~TinyServer() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        if (listener_ >= 0) ::close(listener_);
    }
    std::string Url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }
    // Everything received up to the blank line ending the headers.
    std::string Request() {
        if (thread_.joinable()) thread_.join();
        return request_;
    }

private:
    // Waits for fd, giving up when stop_ is set or after a generous while.
    bool WaitReadable(int fd) {
        for (int i = 0; i < 1000 && !stop_; ++i) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, 10) > 0) return true;
        }
        return false;
    }
    void Serve() {
        if (!WaitReadable(listener_)) return;
        const int conn = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (conn < 0) return;
        char buf[4096];
        while (request_.find("\r\n\r\n") == std::string::npos && WaitReadable(conn)) {
            const ssize_t n = ::recv(conn, buf, sizeof buf, 0);
            if (n <= 0) break;
            request_.append(buf, static_cast<std::size_t>(n));
        }
        if (silent_) {
            while (!stop_) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        } else {
            std::size_t sent = 0;
            while (sent < reply_.size()) {
                const ssize_t n = ::send(conn, reply_.data() + sent, reply_.size() - sent, MSG_NOSIGNAL);
                if (n <= 0) break;
                sent += static_cast<std::size_t>(n);
            }
        }
        ::close(conn);
    }

    std::string reply_;
    bool silent_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::string request_;
    std::thread thread_;
};

const std::vector<std::string> VersionHeaders = {
    "Accept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8",
    "User-Agent: VersionCheck/3.0 (compatible; test)",
};

}  // namespace

// The version request as it goes on the wire: HTTP/1.0, exactly our headers,
// no cookies.
TEST(Http, SendsTheVersionRequest) {
    TinyServer server("HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\nVER. 1.234\r\n");
    const auto r = plat::HttpGet(server.Url("/home/download/GetversionSW.asp?nomesw=QP4A902"), VersionHeaders, 5000);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.status, 200);
    EXPECT_EQ(r.body, "VER. 1.234\r\n");
    const std::string request = server.Request();
    EXPECT_EQ(request.rfind("GET /home/download/GetversionSW.asp?nomesw=QP4A902 HTTP/1.0\r\n", 0), 0u) << request;
    for (const std::string& h : VersionHeaders) EXPECT_NE(request.find("\r\n" + h + "\r\n"), std::string::npos) << h;
    EXPECT_NE(request.find("\r\nHost: 127.0.0.1:"), std::string::npos) << request;
    EXPECT_EQ(request.find("Cookie"), std::string::npos) << request;
    // Ours replaces the client's own Accept; there is only one.
    EXPECT_EQ(request.find("Accept:"), request.rfind("Accept:")) << request;
}

// Any reply is a reply: the caller decides what an error status means.
TEST(Http, StatusAndBodyAsReceived) {
    const struct { const char* name; std::string reply; int status; std::string body; } cases[] = {
        {"not found", "HTTP/1.0 404 Not Found\r\n\r\nno page", 404, "no page"},
        {"server error", "HTTP/1.1 500 Internal Server Error\r\nContent-Length: 4\r\n\r\noops", 500, "oops"},
        {"redirect not followed", "HTTP/1.0 302 Found\r\nLocation: http://127.0.0.1:1/\r\n\r\n", 302, ""},
        {"empty body", "HTTP/1.0 200 OK\r\n\r\n", 200, ""},
        {"binary body", std::string("HTTP/1.0 200 OK\r\n\r\na\0b\xff", 23), 200, std::string("a\0b\xff", 4)},
        {"large body", "HTTP/1.0 200 OK\r\n\r\n" + std::string(1 << 20, 'x'), 200, std::string(1 << 20, 'x')},
    };
    for (const auto& c : cases) {
        TinyServer server(c.reply);
        const auto r = plat::HttpGet(server.Url("/"), {}, 5000);
        ASSERT_TRUE(r.ok) << c.name << ": " << r.error;
        EXPECT_EQ(r.status, c.status) << c.name;
        EXPECT_EQ(r.body, c.body) << c.name;
        EXPECT_TRUE(r.error.empty()) << c.name;
    }
}

TEST(Http, SilentServerTimesOut) {
    TinyServer server("", true);
    const auto start = std::chrono::steady_clock::now();
    const auto r = plat::HttpGet(server.Url("/"), VersionHeaders, 300);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.empty());
    EXPECT_GE(elapsed, std::chrono::milliseconds(250));
    EXPECT_LT(elapsed, std::chrono::seconds(5));
}

TEST(Http, TransferErrors) {
    // A port that was just free and has nobody listening.
    int freePort = 0;
    {
        const int s = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof addr;
        ASSERT_EQ(::bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
        ASSERT_EQ(::getsockname(s, reinterpret_cast<sockaddr*>(&addr), &len), 0);
        freePort = ntohs(addr.sin_port);
        ::close(s);
    }
    const struct { const char* name; std::string url; } cases[] = {
        {"refused", "http://127.0.0.1:" + std::to_string(freePort) + "/"},
        {"local file", "file:///etc/hostname"},
        {"other protocol", "ftp://127.0.0.1/x"},
        {"not a url", "no url at all"},
        {"empty", ""},
    };
    for (const auto& c : cases) {
        const auto r = plat::HttpGet(c.url, {}, 2000);
        EXPECT_FALSE(r.ok) << c.name;
        EXPECT_FALSE(r.error.empty()) << c.name;
        EXPECT_TRUE(r.body.empty()) << c.name;
    }
}

// A header with a line break would add lines of its own to the request.
TEST(Http, HeaderWithLineBreakIsRefused) {
    TinyServer server("HTTP/1.0 200 OK\r\n\r\nx");
    const auto r = plat::HttpGet(server.Url("/"), {"Accept: */*\r\nX-Injected: 1"}, 2000);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("header"), std::string::npos) << r.error;
}

// A runaway reply is cut off instead of filling memory.
TEST(Http, OversizedReplyFails) {
    TinyServer server("HTTP/1.0 200 OK\r\n\r\n" + std::string(9 * 1024 * 1024, 'x'));
    const auto r = plat::HttpGet(server.Url("/"), {}, 10000);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("larger than"), std::string::npos) << r.error;
    EXPECT_TRUE(r.body.empty());
}
