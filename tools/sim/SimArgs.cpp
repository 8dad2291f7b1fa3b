#include "SimArgs.h"

#include <algorithm>
#include <charconv>

namespace qvx::sim {

Args::Args(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word.rfind("--", 0) == 0) {
            if (word == "--help") throw UsageError{""};
            if (i + 1 >= argc) throw UsageError{"option " + word + " needs a value"};
            if (!m_options.emplace(word.substr(2), argv[++i]).second)
                throw UsageError{"option " + word + " is given twice"};
        } else if (m_command.empty()) {
            m_command = word;
        } else {
            throw UsageError{"unexpected argument '" + word + "'"};
        }
    }
    if (m_command.empty()) throw UsageError{"no command given"};
}

void Args::Allow(const std::vector<std::string>& names) const {
    for (const auto& [name, value] : m_options) {
        if (name == "data-dir") continue;
        if (std::find(names.begin(), names.end(), name) == names.end())
            throw UsageError{"unknown option --" + name + " for " + m_command};
    }
}

std::string Args::Text(const std::string& name, std::optional<std::string> fallback) const {
    const auto it = m_options.find(name);
    if (it != m_options.end()) return it->second;
    if (fallback) return *fallback;
    throw UsageError{"--" + name + " is required"};
}

int64_t Args::Number(const std::string& name, int64_t lo, int64_t hi,
                     std::optional<int64_t> fallback) const {
    const auto it = m_options.find(name);
    if (it == m_options.end()) {
        if (fallback) return *fallback;
        throw UsageError{"--" + name + " is required"};
    }
    const std::string& text = it->second;
    int64_t value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || ptr != text.data() + text.size() || value < lo || value > hi)
        throw UsageError{"--" + name + " must be a whole number " + std::to_string(lo) + ".." +
                         std::to_string(hi)};
    return value;
}

int Args::Choice(const std::string& name, const std::vector<std::string>& words,
                 int fallback) const {
    const auto it = m_options.find(name);
    if (it == m_options.end()) return fallback;
    const auto found = std::find(words.begin(), words.end(), it->second);
    if (found != words.end()) return static_cast<int>(found - words.begin());
    std::string list;
    for (const auto& w : words)
        list += (list.empty() ? "" : "/") + w;
    throw UsageError{"--" + name + " must be one of " + list};
}

}  // namespace qvx::sim
