#include "Console.h"

#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>

namespace qel_console {
namespace {

std::atomic<std::atomic<bool>*> g_flag{nullptr};
static_assert(std::atomic<bool>::is_always_lock_free, "the flag is written from a signal handler");

void OnInterrupt(int signalNumber) {
  std::atomic<bool>* flag = g_flag.load();
  if (flag && !flag->load()) {
    flag->store(true);
    return;
  }
  // Asked twice: stop waiting for the job and end as an interrupted program does.
  signal(signalNumber, SIG_DFL);
  raise(signalNumber);
}

}  // namespace

bool IsTerminal(int stream) { return stream >= 0 && stream <= 2 && isatty(stream) == 1; }

void SetInterruptFlag(std::atomic<bool>* flag) {
  g_flag.store(flag);
  struct sigaction action = {};
  action.sa_handler = flag ? OnInterrupt : SIG_DFL;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

bool ReadAnswerLine(std::string& line) { return static_cast<bool>(std::getline(std::cin, line)); }

}  // namespace qel_console
