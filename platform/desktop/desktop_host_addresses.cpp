#include "platform/desktop/desktop_host_addresses.h"

#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <set>

namespace ruvo::desktop {

std::optional<int> DesktopHostAddresses::ipv4AddressCount() {
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) {
        return std::nullopt;
    }
    const std::unique_ptr<ifaddrs, decltype(&freeifaddrs)> owner(list, &freeifaddrs);
    std::set<std::uint32_t> loopback;
    std::set<std::uint32_t> others;
    for (const ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
        if (entry->ifa_addr == nullptr || entry->ifa_addr->sa_family != AF_INET ||
            (entry->ifa_flags & IFF_UP) == 0) {
            continue;
        }
        sockaddr_in address{};
        std::memcpy(&address, entry->ifa_addr, sizeof address);
        const std::uint32_t value = address.sin_addr.s_addr;
        ((entry->ifa_flags & IFF_LOOPBACK) != 0 ? loopback : others).insert(value);
    }
    return static_cast<int>(others.empty() ? loopback.size() : others.size());
}

}  // namespace ruvo::desktop
