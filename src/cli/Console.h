#pragma once

#include <string>
#include <vector>

namespace tamb {

// The words of this program's command line as UTF-8, the program name first. On Windows they are read from the
// UTF-16 command line, so that a folder whose name the ANSI code page cannot hold still arrives intact; elsewhere
// they are `argv` as given.
[[nodiscard]] std::vector<std::string> CommandLineWords(int argc, char** argv);

// Makes standard output and standard error write "\n" as it is. Windows would otherwise turn it into CR LF, and the
// output (the strings dump, JSON, reports) is meant to be the same bytes on every system.
void WriteLineFeedsUnchanged();

} // namespace tamb
