// The verbs of the command-line host that run exchange jobs through the parsers loader:
// "convert" (import, then export) and "info" (import, then report).
#pragma once

#include <string>
#include <vector>

// Each runs one verb with the arguments after the verb name and returns the exit code: 0 when
// every job succeeded, 1 when one failed, 2 for a usage error (thrown as CUsageError).
int RunConvertCommand(const std::vector<std::string>& args);
int RunInfoCommand(const std::vector<std::string>& args);
