#include "carried_resources.h"

extern "C" const char sb_archive_begin[], sb_archive_end[];
extern "C" const char sb_list_template_begin[], sb_list_template_end[];
extern "C" const char sb_combo_template_begin[], sb_combo_template_end[];

namespace {
std::string_view Span(const char* b, const char* e) { return {b, static_cast<size_t>(e - b)}; }
}  // namespace

std::string_view CarriedArchive() { return Span(sb_archive_begin, sb_archive_end); }
std::string_view ListItemTemplate() { return Span(sb_list_template_begin, sb_list_template_end); }
std::string_view ComboItemTemplate() { return Span(sb_combo_template_begin, sb_combo_template_end); }
