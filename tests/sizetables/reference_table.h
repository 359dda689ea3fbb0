// A transcription of a printed table from the shared reference folder, read
// the way the generator reads it: a header row, then one record per line.
#pragma once
#include <map>
#include <string>
#include <vector>

using ReferenceRow = std::map<std::string, std::string>;

// The rows of <reference>/<folder>/<file>; throws when the file is missing,
// so a test that needs the figures fails instead of passing on nothing.
std::vector<ReferenceRow> LoadReference(const std::string& folder, const std::string& file);
