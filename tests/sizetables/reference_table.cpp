#include "reference_table.h"

#include <fstream>
#include <stdexcept>

namespace {

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> out(1);
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                out.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                out.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            out.emplace_back();
        } else if (c != '\r') {
            out.back() += c;
        }
    }
    return out;
}

}  // namespace

std::vector<ReferenceRow> LoadReference(const std::string& folder, const std::string& file) {
    const std::string path = std::string(SB_REFERENCE_DIR) + "/" + folder + "/" + file;
    std::ifstream in(path);
    if (!in) throw std::runtime_error("reference figures missing: " + path);
    std::string line;
    std::getline(in, line);
    const std::vector<std::string> header = Fields(line);
    std::vector<ReferenceRow> rows;
    while (std::getline(in, line)) {
        if (line.empty() || line == "\r") continue;
        const std::vector<std::string> fields = Fields(line);
        if (fields.size() != header.size()) throw std::runtime_error(path + ": a record with a wrong field count");
        ReferenceRow row;
        for (size_t i = 0; i < header.size(); ++i) row[header[i]] = fields[i];
        rows.push_back(std::move(row));
    }
    return rows;
}
