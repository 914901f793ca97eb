// What a command-line host needs of the terminal: whether a stream is a terminal, a stop flag
// that Ctrl-C sets, and one answer line read from the user.
#pragma once

#include <atomic>
#include <string>

namespace qel_console {

// True when the standard stream (0 input, 1 output, 2 error) is a terminal.
bool IsTerminal(int stream);
// From now on SIGINT (Ctrl-C) and SIGTERM store true into flag instead of ending the process; a
// second Ctrl-C while the flag is still set ends the process as usual. Null restores the default.
void SetInterruptFlag(std::atomic<bool>* flag);
// Reads one line from standard input without its line end; false at the end of input.
bool ReadAnswerLine(std::string& line);

}  // namespace qel_console
