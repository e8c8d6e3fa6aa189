// The platform side of the update road, apart from its logic so that code
// which brings its own services does not pull in the network and process
// layers.

#include "gateway/BootUpdate.h"
#include "platform/Process.h"

namespace gw {

TBootServices PlatformBootServices() {
    TBootServices s;
    s.ping = [](const std::string& host, int timeoutMs, int dataSize) {
        return plat::PingOnce(host, timeoutMs, dataSize);
    };
    s.clock = [] { return plat::TickCountMs(); };
    s.pause = [](int ms) { plat::SleepMs(ms); };
    s.start = [limit = s.updaterLimitMs](const std::string& program, const std::string& parameter, bool hidden) {
        return shell::Start_Program(program, parameter, hidden, limit);
    };
    return s;
}

}  // namespace gw
