#pragma once
#include <ostream>
#include <span>
#include <string>

namespace qvx::content {

// The whole command line of quovix-content (without the program name). Results go to out, a
// single-line message to err on failure. Returns the process exit code: 0 success, 1 a file
// problem, 2 a bad command line.
int RunContentTool(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace qvx::content
