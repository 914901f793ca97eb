#include "CommandLine.h"

namespace {

const TOptionSpec* FindSpec(const std::vector<TOptionSpec>& specs, const std::string& name) {
  for (const TOptionSpec& option : specs)
    if (name == option.name) return &option;
  return nullptr;
}

}  // namespace

CCommandLine::CCommandLine(const std::vector<std::string>& args, const std::vector<TOptionSpec>& specs,
                           size_t maxPositional) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.size() < 3 || arg.compare(0, 2, "--") != 0) {
      if (m_positional.size() >= maxPositional) throw CUsageError("unexpected argument '" + arg + "'");
      m_positional.push_back(arg);
      continue;
    }
    const size_t equals = arg.find('=');
    const std::string name = arg.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
    const TOptionSpec* option = FindSpec(specs, name);
    if (!option) throw CUsageError("unknown option '--" + name + "'");
    if (!option->takesValue) {
      if (equals != std::string::npos) throw CUsageError("option '--" + name + "' takes no value");
      m_values[name].clear();
    } else if (equals != std::string::npos) {
      m_values[name] = arg.substr(equals + 1);
    } else {
      if (i + 1 >= args.size()) throw CUsageError("option '--" + name + "' needs a value");
      m_values[name] = args[++i];
    }
  }
}

bool CCommandLine::Has(const std::string& name) const { return m_values.count(name) != 0; }

std::string CCommandLine::Value(const std::string& name) const {
  auto it = m_values.find(name);
  return it == m_values.end() ? std::string() : it->second;
}

std::vector<std::string> SplitList(const std::string& option, const std::string& value) {
  std::vector<std::string> items;
  size_t start = 0;
  for (;;) {
    const size_t comma = value.find(',', start);
    const std::string item =
        value.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    if (item.empty()) throw CUsageError("option '--" + option + "' has an empty list item");
    items.push_back(item);
    if (comma == std::string::npos) return items;
    start = comma + 1;
  }
}
