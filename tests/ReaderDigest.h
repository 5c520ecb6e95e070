// What the exchange reader gave, as one short line per part of the host
// state: the frozen corpus records these lines, and the fuzz target compares
// readings of the same bytes through them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace t742test {

// "NAME COUNT DIGEST" for every entity list that is not empty and for
// EntityOrder, each digest over every field of every element bit for bit;
// then the picked points, the settings the reader keeps and the host's file
// name. A list whose elements read differently by index than through its
// iterator, or in another order, and an EntityOrder index that does not count
// the entities of its type, add a line saying so that starts with "!".
std::vector<std::string> ReaderDigests();

// Reads `bytes` into a fresh host state one line at a time, each as the file
// reader sees it: up to a Ctrl-Z that starts a line, without its CRs.
void ParseLineByLine(std::string_view bytes);

// The same bytes without a CR that does not start a line: the reader must
// read them as it reads `bytes`.
std::string WithoutInnerCrs(std::string_view bytes);

}  // namespace t742test
