#include "domain/unreadable_records.h"

#include <utility>

#include "base/messages.h"

namespace ruvo {

void UnreadableRecords::note(const std::string& path, const ConnectionRecord& record,
                             const std::string& value) {
    std::string text = "Die Datenbank '" + path + "' enthält bei der Verbindung vom " +
                       record.startDate + " um " + record.startTime + " den Wert '" + value +
                       "', der keine ganze Zahl ist.\n\nDiese Verbindung wird nicht mitgezählt; "
                       "alle anderen Verbindungen werden gezählt.";
    if (told_.insert(text).second) {
        toTell_.push_back(std::move(text));
    }
}

void UnreadableRecords::tellNew() {
    // A box runs a nested loop in which readers may note more: take the list first.
    const auto texts = std::exchange(toTell_, {});
    for (const std::string& text : texts) {
        Inform(windows_, text, platform::MessageIcon::Warning);
    }
}

}  // namespace ruvo
