// The carried resource archive: names in GBK, every entry deflated and
// encrypted, readable only with the password.
#include <gtest/gtest.h>

#include <zip.h>

#include <set>
#include <string>

#include "carried_resources.h"
#include "codepage.h"
#include "window_chrome.h"
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
    EXPECT_EQ(entries.size(), 98u);  // 5 texts, 25 window and 68 section pictures
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

TEST(ResourceArchive, HoldsTheWindowPictures) {
    std::set<std::string> names;
    for (const Entry& e : Entries()) names.insert(e.name);
    const char* pictures[] = {"search-25.png", "下拉列表三角.png", "二级-3像素投影.png", "关闭.png", "关闭1.png", "复制.png",
                              "帮助下拉-反馈中心.png", "帮助下拉-帮助中心.png", "帮助下拉三角.png", "帮助右侧间隔线.png",
                              "底部条-背景.png", "截面操作区-背景.png", "搜索.png", "操作区-展开三角默认.png",
                              "操作区-收起三角默认.png", "最小化.png", "最小化a.png", "置顶状态.png", "置顶状态1.png",
                              "置顶状态a.png", "置顶状态b.png", "表头-背景.png", "表格与截面图后-渐变背景.png",
                              "表格序号-背景.png", "顶部条-背景.png"};
    for (const char* p : pictures) EXPECT_EQ(names.count(std::string("Image/") + p), 1u) << p;
    // The title-bar icons load as 16 x 16 squares through the program's own path.
    for (const char* icon : {"\\Image\\关闭.png", "\\Image\\最小化.png", "\\Image\\置顶状态.png", "\\Image\\置顶状态1.png"}) {
        HIMAGE image = LoadTitleIcon(Utf8ToGbkBytes(icon).c_str());
        ASSERT_NE(image, nullptr) << icon;
        EXPECT_EQ(XImage_GetWidth(image), 16);
        EXPECT_EQ(XImage_GetHeight(image), 16);
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
