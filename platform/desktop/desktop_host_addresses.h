// The IPv4 addresses the computer has on its network interfaces that are up, each address once.
// Loopback never counts: neither an interface marked as loopback nor any 127.x address. So a
// machine whose only link is the modem counts 0 offline and 1 while the dial-up link is up, and
// every adapter that is up with an address adds one to both.
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
