// How the host picks the format of a job: a catalogue index, a GUID or a title given with
// --from/--to, or else the one format whose extension matches the file.
#pragma once

#include <string>

class CIEFormat;

// The format for reading (exporting false) or writing path. value is the option's text, empty
// when the option was not given. Throws CUsageError naming option when the value matches no
// format, when the format cannot go that way, or when the extension matches none or several
// (the message then lists the candidates).
const CIEFormat* ChooseFormat(const std::string& option, const std::string& value, const std::string& path,
                              bool exporting);
