#pragma once
// A small HTTP server on 127.0.0.1 standing in for the web site of the
// version check: it answers every connection with the current canned reply
// and records each request it got.

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace shelltest {

class VersionServer {
public:
    VersionServer() {
        listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof addr;
        if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
            ::listen(listener_, 8) != 0 ||
            ::getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
            ADD_FAILURE() << "cannot open a listening socket on 127.0.0.1";
            return;
        }
        port_ = ntohs(addr.sin_port);
        thread_ = std::thread([this] { Serve(); });
    }
    ~VersionServer() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        if (listener_ >= 0) ::close(listener_);
    }
    VersionServer(const VersionServer&) = delete;
    VersionServer& operator=(const VersionServer&) = delete;

    std::string Host() const { return "http://127.0.0.1:" + std::to_string(port_); }
    // A 200 reply with this body.
    void ReplyBody(const std::string& body) {
        Reply("HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nContent-Length: " + std::to_string(body.size()) +
              "\r\n\r\n" + body);
    }
    void Reply(const std::string& raw) {
        std::lock_guard<std::mutex> lock(mutex_);
        reply_ = raw;
    }
    std::vector<std::string> Requests() {
        std::lock_guard<std::mutex> lock(mutex_);
        return requests_;
    }

private:
    void Serve() {
        while (!stop_) {
            pollfd p{listener_, POLLIN, 0};
            if (::poll(&p, 1, 10) <= 0) continue;
            const int conn = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
            if (conn < 0) continue;
            std::string request;
            char buf[4096];
            for (int i = 0; i < 500 && request.find("\r\n\r\n") == std::string::npos && !stop_; ++i) {
                pollfd c{conn, POLLIN, 0};
                if (::poll(&c, 1, 10) <= 0) continue;
                const ssize_t n = ::recv(conn, buf, sizeof buf, 0);
                if (n <= 0) break;
                request.append(buf, static_cast<size_t>(n));
            }
            std::string reply;
            {
                std::lock_guard<std::mutex> lock(mutex_);
                requests_.push_back(request);
                reply = reply_;
            }
            size_t sent = 0;
            while (sent < reply.size()) {
                const ssize_t n = ::send(conn, reply.data() + sent, reply.size() - sent, MSG_NOSIGNAL);
                if (n <= 0) break;
                sent += static_cast<size_t>(n);
            }
            ::close(conn);
        }
    }

    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::thread thread_;
    std::mutex mutex_;
    std::string reply_ = "HTTP/1.0 200 OK\r\nContent-Length: 0\r\n\r\n";
    std::vector<std::string> requests_;
};

// Points the version check at a host for the life of the object.
class WebHostOverride {
public:
    explicit WebHostOverride(const std::string& host) {
        const char* old = std::getenv("VASTRIMO_WEB_HOST");
        had_ = old != nullptr;
        if (had_) old_ = old;
        ::setenv("VASTRIMO_WEB_HOST", host.c_str(), 1);
    }
    ~WebHostOverride() {
        if (had_)
            ::setenv("VASTRIMO_WEB_HOST", old_.c_str(), 1);
        else
            ::unsetenv("VASTRIMO_WEB_HOST");
    }

private:
    bool had_ = false;
    std::string old_;
};

}  // namespace shelltest
