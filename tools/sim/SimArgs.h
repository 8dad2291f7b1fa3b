#pragma once
// Command line of quovix-sim: one command word and "--name value" options.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace qvx::sim {

struct UsageError {
    std::string message;  // empty: --help was asked for
};

class Args {
  public:
    Args(int argc, char** argv);

    const std::string& Command() const { return m_command; }
    // Throws UsageError for an option the command does not know.
    void Allow(const std::vector<std::string>& names) const;
    bool Has(const std::string& name) const { return m_options.count(name) > 0; }
    std::string Text(const std::string& name, std::optional<std::string> fallback = {}) const;
    int64_t Number(const std::string& name, int64_t lo, int64_t hi,
                   std::optional<int64_t> fallback = {}) const;
    // One of the given words; returns its index.
    int Choice(const std::string& name, const std::vector<std::string>& words, int fallback) const;

  private:
    std::string m_command;
    std::map<std::string, std::string> m_options;
};

}  // namespace qvx::sim
