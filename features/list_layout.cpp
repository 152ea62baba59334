#include "features/list_layout.h"

#include "base/setting_names.h"
#include "platform/platform.h"

namespace ruvo {

namespace {

// Sizes the window can sensibly take, in pixels.
constexpr int kSmallestSide = 100;
constexpr int kLargestSide = 20000;
constexpr int kWidestColumn = 5000;

std::string Joined(const std::vector<int>& numbers) {
    std::string text;
    for (const int number : numbers) {
        text += (text.empty() ? "" : ",") + std::to_string(number);
    }
    return text;
}

}  // namespace

std::optional<std::vector<int>> NumberList(const std::string& text, std::size_t count, int minimum,
                                           int maximum) {
    std::vector<int> numbers;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const std::string part = text.substr(start, comma - start);
        // At most six digits: no overflow, and anything longer is out of range anyway.
        if (part.empty() || part.size() > 6 ||
            part.find_first_not_of("0123456789") != std::string::npos) {
            return std::nullopt;
        }
        const int number = std::stoi(part);
        if (number < minimum || number > maximum || numbers.size() == count) {
            return std::nullopt;
        }
        numbers.push_back(number);
        if (comma == std::string::npos) {
            break;
        }
        start = comma + 1;
    }
    if (numbers.size() != count) {
        return std::nullopt;
    }
    return numbers;
}

std::optional<ListLayout> ReadListLayout(SettingsStore& settings) {
    std::optional<std::string> size;
    std::optional<std::string> columns;
    try {
        size = settings.readIfPresent(setting::ConnectionListSize);
        columns = settings.readIfPresent(setting::ConnectionListColumns);
    } catch (const platform::RegistryError&) {
        return std::nullopt;
    }
    ListLayout layout;
    if (size) {
        if (const auto sides = NumberList(*size, 2, kSmallestSide, kLargestSide)) {
            layout.width = (*sides)[0];
            layout.height = (*sides)[1];
        }
    }
    if (columns) {
        if (const auto widths = NumberList(*columns, ConnectionListWindow::kColumnWidths.size(), 0,
                                           kWidestColumn)) {
            layout.columnWidths = *widths;
        }
    }
    if (layout.width == 0 && layout.columnWidths.empty()) {
        return std::nullopt;
    }
    return layout;
}

void WriteListLayout(SettingsStore& settings, const ListLayout& layout) {
    try {
        if (layout.width > 0 && layout.height > 0) {
            settings.writeSetting(setting::ConnectionListSize,
                                  Joined({layout.width, layout.height}));
        }
        if (!layout.columnWidths.empty()) {
            settings.writeSetting(setting::ConnectionListColumns, Joined(layout.columnWidths));
        }
    } catch (const platform::RegistryError&) {
        // Kept as it was; the next change of the layout tries again.
    }
}

}  // namespace ruvo
