// Reads JWC_TEMP.TXT, as the host wrote it, into HostState.
#pragma once

#include <string>
#include <string_view>

#include "JwwGaibu/Tokenizer.h"  // kMaxFields

namespace JwwGaibu {

// True when the file existed and was read to its end (or to a Ctrl-Z that
// starts a line). What was read before an error stays in HostState.
bool ReadExchangeFile(const std::string& path);

// Handles one line of the exchange file, without its line end.
void ParseExchangeLines(std::string_view line);

}  // namespace JwwGaibu
