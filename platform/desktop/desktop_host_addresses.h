// The IPv4 addresses the computer knows itself by: those of the network interfaces that are up,
// each address once. Loopback addresses count only when there is no other, as a host-name lookup
// gives 127.0.0.1 on a computer without network.
#pragma once

#include <optional>

#include "platform/platform.h"

namespace ruvo::desktop {

class DesktopHostAddresses final : public platform::HostAddresses {
public:
    // Nothing when the interfaces cannot be listed.
    std::optional<int> ipv4AddressCount() override;
};

}  // namespace ruvo::desktop
