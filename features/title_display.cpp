#include "features/title_display.h"

#include "base/money.h"

namespace ruvo {

namespace {

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

std::string TwoDigits(std::int32_t value) {
    std::string digits = value < 10 ? "0" : "";
    digits += IntToStr(value);
    return digits;
}

}  // namespace

std::string TitleSuffix(const TitleOptions& options, std::int32_t totalPfennig,
                        std::int32_t elapsedSeconds, std::int32_t secondsLeft) {
    std::string suffix;
    if (options.charges) {
        suffix += " - ";
        suffix += IntToStr(totalPfennig / 100);
        suffix += ",";
        suffix += TwoDigits(Remainder(totalPfennig, 100));
        suffix += " DM";
    }
    if (options.onlineTime) {
        suffix += " - " + DurationText(elapsedSeconds);
    }
    if (options.secondsLeft) {
        suffix += " - Rest " + IntToStr(secondsLeft) + " Sek";
    }
    return suffix;
}

void TitleDisplay::applyTitleSuffix(const std::string& suffix, bool clearMode) {
    const auto front = windows_.front();
    if (!front) {
        return;
    }
    const std::string& title = front->title;
    // The desktop keeps its name, and the window decorated earlier keeps its suffix.
    if (front->desktop || StartsWith(title, "Program Manager")) {
        return;
    }
    // The program's own windows are known by their identity, or else by the program's title.
    const bool ownWindow =
        windows_.isProgramWindow(front->id) || StartsWith(title, "Quelmar Ruvometer");

    // The window decorated last is recognised by what it is, then by its title. Its title is
    // kept whole, however long, so that it comes back unchanged.
    const bool sameWindow = front->id == rememberedWindow_;
    const bool decoratedLast =
        sameWindow && !rememberedTitle_.empty() && StartsWith(title, rememberedTitle_);
    if (!decoratedLast) {
        if (!sameWindow) {
            RestoreRemembered();
        }
        // An own window is never decorated, so there is nothing of it to remember.
        rememberedTitle_ = ownWindow ? std::string() : title;
        rememberedWindow_ = ownWindow ? 0 : front->id;
    }
    if (ownWindow) {
        return;
    }
    const std::string newTitle = clearMode ? title : rememberedTitle_ + suffix;
    if (newTitle != title) {
        windows_.setTitle(front->id, newTitle);
    }
}

void TitleDisplay::RestoreTitle() {
    if (windows_.available()) {
        RestoreRemembered();
    }
    rememberedTitle_.clear();
    rememberedWindow_ = 0;
}

void TitleDisplay::RestoreRemembered() {
    if (rememberedWindow_ == 0) {
        return;
    }
    const auto current = windows_.title(rememberedWindow_);
    // Only a window that still shows the decoration is given its title back; one that has
    // renamed itself since keeps its new name.
    if (current && *current != rememberedTitle_ && StartsWith(*current, rememberedTitle_)) {
        windows_.setTitle(rememberedWindow_, rememberedTitle_);
    }
}

}  // namespace ruvo
