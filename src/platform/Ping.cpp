#include "platform/Ping.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/ip.h>
#include <netinet/ip_icmp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace plat {

namespace {

// The largest payload one IPv4 datagram carries after the IP and ICMP headers.
constexpr int MaxData = 65535 - 20 - 8;

// Four decimal parts of 0 to 255. Leading zeros are read as decimal, as the
// address edits show them ("192.168.002.205"), never as octal.
bool ParseIpv4(const std::string& text, in_addr& addr) {
    uint32_t value = 0;
    int parts = 0;
    std::size_t i = 0;
    while (parts < 4) {
        int digits = 0;
        unsigned part = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9' && digits < 4) {
            part = part * 10 + static_cast<unsigned>(text[i] - '0');
            ++digits;
            ++i;
        }
        if (digits == 0 || digits > 3 || part > 255) return false;
        value = (value << 8) | part;
        if (++parts < 4) {
            if (i >= text.size() || text[i] != '.') return false;
            ++i;
        }
    }
    if (i != text.size()) return false;
    addr.s_addr = htonl(value);
    return true;
}

uint16_t Checksum(const unsigned char* data, std::size_t size) {
    uint32_t sum = 0;
    for (std::size_t i = 0; i + 1 < size; i += 2) sum += static_cast<uint32_t>(data[i] << 8 | data[i + 1]);
    if (size % 2) sum += static_cast<uint32_t>(data[size - 1] << 8);
    while (sum >> 16) sum = (sum & 0xFFFF) + (sum >> 16);
    return static_cast<uint16_t>(~sum);
}

class Socket {
public:
    explicit Socket(int fd) : fd_(fd) {}
    ~Socket() {
        if (fd_ >= 0) ::close(fd_);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

std::atomic<uint16_t> NextSequence{1};

}  // namespace

TPingResult PingOnce(const std::string& ipv4, int timeoutMs, int dataSize) {
    TPingResult result;
    in_addr target{};
    if (!ParseIpv4(ipv4, target)) {
        result.status = TPingStatus::BadAddress;
        result.error = "\"" + ipv4 + "\" is not an IPv4 address";
        return result;
    }
    if (dataSize < 0 || dataSize > MaxData) {
        result.error = "Echo data size " + std::to_string(dataSize) + " is outside 0 to " + std::to_string(MaxData);
        return result;
    }

    // The datagram kind needs no privilege where the system allows it
    // (net.ipv4.ping_group_range); the raw kind needs CAP_NET_RAW.
    bool raw = false;
    int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_ICMP);
    const int dgramError = errno;
    if (fd < 0) {
        fd = ::socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP);
        raw = true;
    }
    if (fd < 0) {
        const int rawError = errno;
        const bool refused = (dgramError == EACCES || dgramError == EPERM) && (rawError == EACCES || rawError == EPERM);
        result.status = refused ? TPingStatus::NotPermitted : TPingStatus::Error;
        result.error = refused ? "Sending ICMP echo is not permitted for this user (neither an ICMP datagram socket, "
                                 "see net.ipv4.ping_group_range, nor a raw socket)"
                               : std::string("Cannot open an ICMP socket: ") + std::strerror(rawError);
        return result;
    }
    Socket sock(fd);

    // With a datagram socket the kernel puts its own identifier in and
    // passes back only the replies that carry it; with a raw socket every
    // ICMP packet of the machine arrives and ours are picked by identifier.
    static const uint16_t ident = static_cast<uint16_t>(std::random_device{}());
    const uint16_t sequence = NextSequence.fetch_add(1);

    std::vector<unsigned char> packet(sizeof(icmphdr) + static_cast<std::size_t>(dataSize));
    for (std::size_t i = sizeof(icmphdr); i < packet.size(); ++i) packet[i] = static_cast<unsigned char>(i);
    icmphdr header{};
    header.type = ICMP_ECHO;
    header.code = 0;
    header.un.echo.id = htons(ident);
    header.un.echo.sequence = htons(sequence);
    std::memcpy(packet.data(), &header, sizeof header);
    const uint16_t sum = Checksum(packet.data(), packet.size());
    header.checksum = htons(sum);
    std::memcpy(packet.data(), &header, sizeof header);

    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_addr = target;
    const auto start = std::chrono::steady_clock::now();
    const auto deadline = start + std::chrono::milliseconds(timeoutMs > 0 ? timeoutMs : 0);
    if (::sendto(fd, packet.data(), packet.size(), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to) < 0) {
        result.error = "Cannot send the echo request to " + ipv4 + ": " + std::strerror(errno);
        return result;
    }

    std::vector<unsigned char> reply(65536);
    for (;;) {
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) break;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now).count();
        pollfd p{fd, POLLIN, 0};
        const int ready = ::poll(&p, 1, static_cast<int>(left) + 1);
        if (ready < 0 && errno == EINTR) continue;
        if (ready < 0) {
            result.error = std::string("Waiting for the echo reply failed: ") + std::strerror(errno);
            return result;
        }
        if (ready == 0) continue;
        sockaddr_in from{};
        socklen_t fromLen = sizeof from;
        const ssize_t n = ::recvfrom(fd, reply.data(), reply.size(), 0, reinterpret_cast<sockaddr*>(&from), &fromLen);
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN) continue;
            result.error = std::string("Receiving the echo reply failed: ") + std::strerror(errno);
            return result;
        }
        std::size_t offset = 0;
        if (raw) {
            // Raw sockets deliver the IP header too.
            if (n < 1) continue;
            offset = static_cast<std::size_t>(reply[0] & 0x0F) * 4;
            if (from.sin_addr.s_addr != target.s_addr) continue;
        }
        if (static_cast<std::size_t>(n) < offset + sizeof(icmphdr)) continue;
        icmphdr got{};
        std::memcpy(&got, reply.data() + offset, sizeof got);
        if (got.type != ICMP_ECHOREPLY || ntohs(got.un.echo.sequence) != sequence) continue;
        if (raw && ntohs(got.un.echo.id) != ident) continue;
        result.status = TPingStatus::Reply;
        result.roundTripMs = static_cast<int>(
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count());
        return result;
    }
    result.status = TPingStatus::TimedOut;
    return result;
}

}  // namespace plat
