#include "program_directory.h"

#include <climits>
#include <unistd.h>

#include "codepage.h"

std::string ProgramDirectory() {
    char buf[PATH_MAX + 1];
    ssize_t n = readlink("/proc/self/exe", buf, PATH_MAX);
    if (n <= 0) return {};
    std::string path(buf, static_cast<size_t>(n));
    size_t cut = path.find_last_of("/\\");
    if (cut == std::string::npos) return {};
    // The file system speaks UTF-8; the program's texts are GBK.
    return Utf8ToGbkBytes(path.substr(0, cut));
}

std::string NativePath(const std::string& gbkPath) {
    // Convert first: a GBK trail byte may equal "\".
    std::string out = GbkToUtf8(gbkPath);
    for (char& c : out) {
        if (c == '\\') c = '/';
    }
    return out;
}
