// Text between the host's UTF-8 command line and output and the UTF-16 strings of exchcore.
#pragma once

#include <string>

#include "qel_text.h"

std::string ToUtf8(const CQelString& text);
CQelString FromUtf8(const std::string& text);
