// The verbs of the command-line host that show the formats catalogue: "formats" and "types".
#pragma once

#include <string>
#include <vector>

// Each runs one verb with the arguments after the verb name and returns the exit code. Usage
// errors are thrown as CUsageError.
int RunFormatsCommand(const std::vector<std::string>& args);
int RunTypesCommand(const std::vector<std::string>& args);
