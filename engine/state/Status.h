#pragma once
#include <string>
#include <utility>

namespace qvx {

// Outcome of a file operation: empty message = success. File and format errors travel as values
// so that nothing escapes into the UI loop as an exception.
class Status {
  public:
    static Status Ok() { return Status(); }
    static Status Fail(std::string message) { return Status(std::move(message)); }

    bool ok() const { return m_message.empty(); }
    explicit operator bool() const { return ok(); }
    const std::string& message() const { return m_message; }

  private:
    Status() = default;
    explicit Status(std::string message) : m_message(std::move(message)) {
        if (m_message.empty()) m_message = "unknown error";
    }
    std::string m_message;
};

}  // namespace qvx
