// Options that several verbs of the host share: keywords of the settings file given on the
// command line, and the formats settings file to read before anything else.
#pragma once

#include <string>

#include "CommandLine.h"
#include "IEDefs.h"
#include "IEKeywords.h"

// The value of a settings-file keyword, in any letter case; a usage error naming option otherwise.
int ParseKeyword(const std::string& option, IEKeywords::EMaskKind kind, const std::string& text);
// The mask of the option's comma-separated keywords; 0 when the option was not given.
TIEMask ParseKeywordList(const CCommandLine& line, const std::string& option, IEKeywords::EMaskKind kind);
// Builds the catalogue from --settings FILE when the option was given.
void ReadSettingsOption(const CCommandLine& line);
