// The connection list's size and column widths in the settings: read when the program is built,
// written each time the user changes them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "base/settings_store.h"
#include "window_models/connection_list_window.h"

namespace ruvo {

// The remembered layout, or nothing when none is stored. A stored text that is not a size or not
// one width per column is left out (the window takes its first size or widths), as is a value
// that cannot be read.
std::optional<ListLayout> ReadListLayout(SettingsStore& settings);
// Stores the layout as "width,height" and "w1,w2,...". A value that cannot be written is left
// as it was: the layout is a convenience, and the next change tries again.
void WriteListLayout(SettingsStore& settings, const ListLayout& layout);

// The numbers of a text "n1,n2,...", when it holds exactly `count` of them, each within
// [minimum, maximum].
std::optional<std::vector<int>> NumberList(const std::string& text, std::size_t count, int minimum,
                                           int maximum);

}  // namespace ruvo
