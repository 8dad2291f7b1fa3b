#pragma once
// The one shape every player action answers in: a yes/no question asked between its check and
// its apply, or the information dialog shown after either. An empty title means "show nothing".
#include <string>
#include <utility>

namespace qvx {

struct Dialog {
    std::string title;
    std::string text;
    bool empty() const { return title.empty() && text.empty(); }
    bool operator==(const Dialog&) const = default;
};

// The title of every refusal dialog of every screen.
inline constexpr const char* kRefusalTitle = "N/A";

// The "N/A" dialog of a refusal.
inline Dialog Refusal(std::string text) {
    return {kRefusalTitle, std::move(text)};
}

}  // namespace qvx
