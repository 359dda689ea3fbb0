#include "zip_writer.h"

#include <zip.h>

bool WriteZip(const std::vector<std::pair<std::string, std::string>>& entries, const std::string& password,
              std::string& out) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (!buffer) return false;
    zip_source_keep(buffer);
    zip_t* z = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    zip_error_fini(&error);
    if (!z) {
        zip_source_free(buffer);
        zip_source_free(buffer);
        return false;
    }
    bool ok = true;
    for (const auto& [name, data] : entries) {
        zip_source_t* s = zip_source_buffer(z, data.data(), data.size(), 0);
        zip_int64_t index = s ? zip_file_add(z, name.c_str(), s, ZIP_FL_ENC_RAW | ZIP_FL_OVERWRITE) : -1;
        if (index < 0) {
            if (s) zip_source_free(s);
            ok = false;
            break;
        }
        // No fixed modification time: libzip 1.7 derives the encryption
        // check byte from the entry's original time, so a changed time
        // makes the right password fail.
        ok = zip_set_file_compression(z, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 9) == 0;
        if (ok && !password.empty())
            ok = zip_file_set_encryption(z, static_cast<zip_uint64_t>(index), ZIP_EM_TRAD_PKWARE, password.c_str()) == 0;
        if (!ok) break;
    }
    if (!ok) {
        zip_discard(z);
        zip_source_free(buffer);
        return false;
    }
    if (zip_close(z) != 0) {
        zip_discard(z);
        zip_source_free(buffer);
        return false;
    }
    std::string bytes;
    zip_stat_t st;
    if (zip_source_stat(buffer, &st) == 0 && zip_source_open(buffer) == 0) {
        bytes.resize(static_cast<size_t>(st.size));
        ok = zip_source_read(buffer, bytes.data(), bytes.size()) == static_cast<zip_int64_t>(bytes.size());
        zip_source_close(buffer);
    } else {
        ok = false;
    }
    zip_source_free(buffer);
    if (ok) out = std::move(bytes);
    return ok;
}
