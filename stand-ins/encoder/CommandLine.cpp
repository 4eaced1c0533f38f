#include "stand-ins/encoder/CommandLine.h"

namespace encoder {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Skips the program name: quotes toggle, nothing is escaped, and at least one
// character is taken (a leading blank ends an empty name).
size_t SkipProgramName(const std::string& line) {
  size_t i = 0;
  bool quoted = false;
  while (i < line.size()) {
    char c = line[i++];
    if (c == '"') {
      quoted = !quoted;
      continue;
    }
    if (!quoted && IsBlank(c)) break;
  }
  return i;
}

}  // namespace

std::vector<std::string> SplitCommandLine(const std::string& line) {
  std::vector<std::string> arguments;
  size_t i = SkipProgramName(line);
  for (;;) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i >= line.size()) break;
    std::string argument;
    bool quoted = false;
    while (i < line.size() && (quoted || !IsBlank(line[i]))) {
      size_t slashes = 0;
      while (i < line.size() && line[i] == '\\') {
        ++slashes;
        ++i;
      }
      if (i < line.size() && line[i] == '"') {
        argument.append(slashes / 2, '\\');
        if (slashes % 2) {
          argument += '"';
        } else if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
          argument += '"';  // "" inside quotes is a literal quote
          ++i;
        } else {
          quoted = !quoted;
        }
        ++i;
      } else {
        argument.append(slashes, '\\');
        if (i < line.size() && (quoted || !IsBlank(line[i]))) argument += line[i++];
      }
    }
    arguments.push_back(argument);
  }
  return arguments;
}

std::string QuoteArgument(const std::string& argument) {
  if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos) return argument;
  std::string quoted = "\"";
  size_t slashes = 0;
  for (char c : argument) {
    if (c == '\\') {
      ++slashes;
      continue;
    }
    // Backslashes before a quote are doubled, and the quote escaped.
    quoted.append(c == '"' ? slashes * 2 + 1 : slashes, '\\');
    slashes = 0;
    quoted += c;
  }
  quoted.append(slashes * 2, '\\');  // they stand before the closing quote
  return quoted + "\"";
}

std::string JoinCommandLine(const std::vector<std::string>& arguments) {
  std::string line;
  for (const std::string& argument : arguments) {
    if (!line.empty()) line += ' ';
    line += QuoteArgument(argument);
  }
  return line;
}

}  // namespace encoder
