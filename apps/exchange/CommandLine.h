// CCommandLine: the long GNU-style options of one verb ("--name value", "--name=value", flags) and
// the usage error that ends the program with exit code 2.
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

// A mistake in the command line; the message is one line and names the option concerned.
class CUsageError : public std::runtime_error {
 public:
  explicit CUsageError(const std::string& message) : std::runtime_error(message) {}
};

struct TOptionSpec {
  const char* name;  // without the leading "--"
  bool takesValue;
};

class CCommandLine {
 public:
  // Parses the arguments after the verb; throws CUsageError for an unknown option, a missing or
  // unexpected value, or more than maxPositional arguments that are not options. A repeated option
  // keeps its last value.
  CCommandLine(const std::vector<std::string>& args, const std::vector<TOptionSpec>& specs,
               size_t maxPositional = 0);

  bool Has(const std::string& name) const;
  // The option's value, or an empty text when it was not given.
  std::string Value(const std::string& name) const;
  // The arguments that are not options, in order.
  const std::vector<std::string>& Positional() const { return m_positional; }

 private:
  std::map<std::string, std::string> m_values;
  std::vector<std::string> m_positional;
};

// The comma-separated items of an option's value; an empty item is a usage error naming option.
std::vector<std::string> SplitList(const std::string& option, const std::string& value);
