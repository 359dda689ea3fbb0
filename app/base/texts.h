// Text procedures shared by every subsystem. Texts are GBK byte strings;
// lengths count bytes. A missing text (null) counts as empty everywhere.
#pragma once
#include <initializer_list>
#include <string>
#include <string_view>

int TextLength(const char* text);
inline int TextLength(const std::string& text) { return static_cast<int>(text.size()); }

// Joins the texts in order; null parts count as empty.
std::string ConcatTexts(std::initializer_list<const char*> parts);

// UTF-16 text for the toolkit; a missing or empty text gives the empty text.
std::u16string GbkToUtf16(const char* text);
inline std::u16string GbkToUtf16(const std::string& text) { return GbkToUtf16(text.c_str()); }

// A GBK text from a UTF-8 literal of the sources (which are UTF-8).
std::string Gbk(std::string_view utf8);
