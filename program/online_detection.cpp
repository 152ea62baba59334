#include "program/online_detection.h"

#include <algorithm>

#include "base/messages.h"
#include "base/money.h"
#include "base/setting_names.h"

namespace ruvo {

int LocalAddressCount(platform::HostAddresses& addresses) {
    const auto count = addresses.ipv4AddressCount();
    if (!count) {
        return 0;
    }
    return std::clamp(*count, 0, 3);
}

void OnlineDetection::pollOnlineState() {
    const std::string stored = settings_.readSetting(setting::OfflineAddressCount);
    const auto reference = ToInteger(stored);
    if (!reference) {
        // Reported once; a box at every poll would pile up while each waits for OK.
        if (!badReferenceReported_) {
            badReferenceReported_ = true;
            windows_.errorBox("'" + stored + "' ist kein gültiger Integerwert");
        }
        return;
    }
    badReferenceReported_ = false;
    main_.online.setChecked(*reference < LocalAddressCount(addresses_));
}

void OnlineDetection::recalibrate() {
    settings_.writeSetting(setting::OfflineAddressCount, IntToStr(LocalAddressCount(addresses_)));
    badReferenceReported_ = false;
    Inform(windows_, "Die Konfiguration wurde aktualisiert.");
}

}  // namespace ruvo
