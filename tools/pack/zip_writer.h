// Writes a ZIP archive in memory: every entry deflated and, with a password,
// encrypted with traditional PKWARE encryption. Entry names are stored as the
// given bytes.
#pragma once
#include <string>
#include <utility>
#include <vector>

// False (and out untouched) when libzip refuses any step.
bool WriteZip(const std::vector<std::pair<std::string, std::string>>& entries, const std::string& password,
              std::string& out);
