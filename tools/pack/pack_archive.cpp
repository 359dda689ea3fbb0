// Packs the resource archive: pack_archive <out.zip> <password> <entry=file>...
// Entry names are given in UTF-8 and stored as GBK bytes.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "codepage.h"
#include "zip_writer.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: pack_archive <out.zip> <password> <entry=file>...\n";
        return 2;
    }
    std::vector<std::pair<std::string, std::string>> entries;
    for (int i = 3; i < argc; ++i) {
        const std::string arg = argv[i];
        const size_t eq = arg.find('=');
        if (eq == std::string::npos) {
            std::cerr << "pack_archive: not entry=file: " << arg << "\n";
            return 2;
        }
        std::ifstream in(arg.substr(eq + 1), std::ios::binary);
        if (!in) {
            std::cerr << "pack_archive: cannot read " << arg.substr(eq + 1) << "\n";
            return 1;
        }
        std::ostringstream bytes;
        bytes << in.rdbuf();
        const std::string gbkName = Utf8ToGbkBytes(arg.substr(0, eq));
        if (GbkToUtf8(gbkName) != arg.substr(0, eq)) {
            std::cerr << "pack_archive: name not representable in GBK: " << arg.substr(0, eq) << "\n";
            return 1;
        }
        entries.emplace_back(gbkName, bytes.str());
    }
    std::string zip;
    if (!WriteZip(entries, argv[2], zip)) {
        std::cerr << "pack_archive: writing the archive failed\n";
        return 1;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(zip.data(), static_cast<std::streamsize>(zip.size()));
    return out ? 0 : 1;
}
