// Windows command-line text <-> argument vector, by the rules the C runtime
// uses (quotes group, backslashes escape only before a quote).
#pragma once
#include <string>
#include <vector>

namespace encoder {

// The arguments after the program name. The program name ends at the first
// blank outside quotes, so a line that starts with a blank (as the
// conversion runner writes it) has an empty program name.
std::vector<std::string> SplitCommandLine(const std::string& line);

// One argument quoted so that SplitCommandLine gives it back unchanged.
std::string QuoteArgument(const std::string& argument);

// The arguments quoted and joined by blanks.
std::string JoinCommandLine(const std::vector<std::string>& arguments);

}  // namespace encoder
