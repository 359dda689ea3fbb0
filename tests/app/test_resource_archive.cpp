// The carried resource archive: names in GBK, every entry deflated and
// encrypted, readable only with the password.
#include <gtest/gtest.h>

#include <zip.h>

#include <set>
#include <string>

#include "carried_resources.h"
#include "codepage.h"
#include "xcgui.h"

namespace {

struct Entry {
    std::string name;  // UTF-8
    zip_uint16_t compression;
    zip_uint16_t encryption;
};

std::vector<Entry> Entries() {
    std::vector<Entry> out;
    const std::string_view a = CarriedArchive();
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* src = zip_source_buffer_create(a.data(), a.size(), 0, &error);
    zip_t* z = src ? zip_open_from_source(src, ZIP_RDONLY, &error) : nullptr;
    zip_error_fini(&error);
    if (!z) return out;
    for (zip_int64_t i = 0; i < zip_get_num_entries(z, 0); ++i) {
        zip_stat_t st;
        zip_stat_index(z, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_RAW, &st);
        out.push_back({GbkToUtf8(st.name), st.comp_method, st.encryption_method});
    }
    zip_discard(z);
    return out;
}

TEST(ResourceArchive, EveryEntryIsDeflatedAndEncryptedUnderGbkNames) {
    const auto entries = Entries();
    ASSERT_FALSE(entries.empty());
    std::set<std::string> names;
    for (const Entry& e : entries) {
        names.insert(e.name);
        EXPECT_EQ(e.compression, ZIP_CM_DEFLATE) << e.name;
        EXPECT_EQ(e.encryption, ZIP_EM_TRAD_PKWARE) << e.name;
    }
    for (const char* root : {"combobox1.xml", "list.xml", "main.xml", "resource.res", "style.css"})
        EXPECT_EQ(names.count(root), 1u) << root;
    // Pictures sit below Image/ with their Chinese names.
    for (const std::string& n : names) {
        if (n.find('/') != std::string::npos) {
            EXPECT_EQ(n.rfind("Image/", 0), 0u) << n;
            EXPECT_EQ(n.substr(n.size() - 4), ".png") << n;
        }
    }
}

TEST(ResourceArchive, PlainTemplatesAreTheArchivedOnes) {
    std::string archived;
    ASSERT_TRUE(XC_ReadArchiveEntry(u"list.xml", archived));
    EXPECT_EQ(archived, ListItemTemplate());
    ASSERT_TRUE(XC_ReadArchiveEntry(u"combobox1.xml", archived));
    EXPECT_EQ(archived, ComboItemTemplate());
    EXPECT_NE(ListItemTemplate().find("data10"), std::string_view::npos);
    EXPECT_NE(ComboItemTemplate().find("midu"), std::string_view::npos);
}

}  // namespace
