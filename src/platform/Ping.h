#pragma once
// ICMP echo (IPv4). Uses an unprivileged datagram ICMP socket, falling back
// to a raw socket where that is allowed.

#include <string>

namespace plat {

enum class TPingStatus { Reply, TimedOut, BadAddress, NotPermitted, Error };

struct TPingResult {
    TPingStatus status = TPingStatus::Error;
    int roundTripMs = 0;
    std::string error;  // what went wrong, for Error and NotPermitted
};

// Sends one echo request of dataSize bytes and waits up to timeoutMs for its reply.
TPingResult PingOnce(const std::string& ipv4, int timeoutMs, int dataSize);

}  // namespace plat
