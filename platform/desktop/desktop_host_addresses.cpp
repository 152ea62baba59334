#include "platform/desktop/desktop_host_addresses.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <set>

namespace ruvo::desktop {

namespace {

// 127.0.0.0/8, wherever it is configured.
bool IsLoopbackAddress(std::uint32_t hostOrder) {
    return (hostOrder >> 24) == 127;
}

}  // namespace

std::optional<int> DesktopHostAddresses::ipv4AddressCount() {
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) {
        return std::nullopt;
    }
    const std::unique_ptr<ifaddrs, decltype(&freeifaddrs)> owner(list, &freeifaddrs);
    std::set<std::uint32_t> addresses;
    for (const ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
        if (entry->ifa_addr == nullptr || entry->ifa_addr->sa_family != AF_INET ||
            (entry->ifa_flags & IFF_UP) == 0 || (entry->ifa_flags & IFF_LOOPBACK) != 0) {
            continue;
        }
        sockaddr_in address{};
        std::memcpy(&address, entry->ifa_addr, sizeof address);
        const std::uint32_t value = ntohl(address.sin_addr.s_addr);
        if (!IsLoopbackAddress(value)) {
            addresses.insert(value);
        }
    }
    return static_cast<int>(addresses.size());
}

}  // namespace ruvo::desktop
