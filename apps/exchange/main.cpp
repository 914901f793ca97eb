// exchange: the command-line host of exchcore. One verb per job; "exchange VERB --help" describes
// each. Exit code 0 on success, 2 on a usage error.
#include <clocale>
#include <cstring>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "CatalogueCommands.h"
#include "CommandLine.h"
#include "JobCommands.h"
#include "QelAlloc.h"

namespace {

struct TVerb {
  const char* name;
  int (*run)(const std::vector<std::string>& args);
  const char* summary;
};

const TVerb kVerbs[] = {
    {"formats", RunFormatsCommand, "list the exchange formats of the catalogue"},
    {"types", RunTypesCommand, "list the data types of the catalogue"},
    {"convert", RunConvertCommand, "import a file and export what was read to another file"},
    {"info", RunInfoCommand, "import a file and describe what was read"},
};

void PrintUsage(std::ostream& out) {
  out << "Usage: exchange VERB [OPTIONS]\n\nVerbs:\n";
  for (const TVerb& verb : kVerbs)
    out << "  " << verb.name << std::string(10 - std::strlen(verb.name), ' ') << verb.summary << '\n';
  out << "\nexchange VERB --help describes a verb and its options.\n";
}

}  // namespace

int main(int argc, char** argv) {
  // Like any host: the user's locale for everything the system leaves to it.
  std::setlocale(LC_ALL, "");
  MemoryFuncs::TuneHeapForLargeJobs();
  if (argc < 2) {
    std::cerr << "exchange: no verb given; try 'exchange --help'\n";
    return 2;
  }
  const std::string verbName = argv[1];
  if (verbName == "--help") {
    PrintUsage(std::cout);
    return 0;
  }
  for (const TVerb& verb : kVerbs) {
    if (verbName != verb.name) continue;
    try {
      return verb.run(std::vector<std::string>(argv + 2, argv + argc));
    } catch (const CUsageError& error) {
      std::cerr << "exchange " << verb.name << ": " << error.what() << '\n';
      return 2;
    } catch (const std::exception& error) {
      std::cerr << "exchange " << verb.name << ": " << error.what() << '\n';
      return 1;
    }
  }
  std::cerr << "exchange: unknown verb '" << verbName << "'; try 'exchange --help'\n";
  return 2;
}
