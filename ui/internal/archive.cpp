#include "archive.h"

#include <zip.h>

#include <memory>

namespace {

std::shared_ptr<zip_t> Open(const void* data, size_t size) {
    if (!data || size == 0) return nullptr;
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(data, size, 0, &error);
    if (!source) {
        zip_error_fini(&error);
        return nullptr;
    }
    zip_t* z = zip_open_from_source(source, ZIP_RDONLY, &error);
    if (!z) zip_source_free(source);
    zip_error_fini(&error);
    if (!z) return nullptr;
    return std::shared_ptr<zip_t>(z, [](zip_t* opened) { zip_discard(opened); });
}

}  // namespace

Archive::Archive(const void* data, size_t size, std::string password)
    : zip_(Open(data, size)), password_(std::move(password)) {}

bool Archive::Read(const std::string& gbkName, std::string& bytes) const {
    zip_t* z = zip_.get();
    if (!z) return false;
    const zip_int64_t count = zip_get_num_entries(z, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* name = zip_get_name(z, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_RAW);
        if (!name || gbkName != name) continue;
        zip_stat_t st;
        if (zip_stat_index(z, static_cast<zip_uint64_t>(i), 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE)) return false;
        zip_file_t* f = zip_fopen_index_encrypted(z, static_cast<zip_uint64_t>(i), 0, password_.c_str());
        if (!f) return false;
        std::string out(static_cast<size_t>(st.size), '\0');
        zip_int64_t got = out.empty() ? 0 : zip_fread(f, out.data(), out.size());
        // A read past the end settles the CRC check of a wrong password that slipped past the check byte.
        char probe;
        zip_int64_t extra = zip_fread(f, &probe, 1);
        zip_fclose(f);
        if (got != static_cast<zip_int64_t>(out.size()) || extra != 0) return false;
        bytes = std::move(out);
        return true;
    }
    return false;
}

std::vector<std::string> Archive::Names() const {
    std::vector<std::string> names;
    zip_t* z = zip_.get();
    if (!z) return names;
    const zip_int64_t count = zip_get_num_entries(z, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* name = zip_get_name(z, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_RAW);
        if (name) names.emplace_back(name);
    }
    return names;
}

Archive& CurrentArchive() {
    static Archive archive;
    return archive;
}
