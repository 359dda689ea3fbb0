// The one code-page converter of the program: GBK (code page 936) to and from
// UTF-8 and UTF-16. Every other conversion in the program goes through here.
#pragma once
#include <string>
#include <string_view>



// Characters code page 936 cannot represent become '?', the code page's
// default character; undecodable GBK bytes become U+FFFD.
std::string Utf8ToGbkBytes(std::string_view utf8);
std::string GbkToUtf8(std::string_view gbk);
std::u16string GbkToUtf16Units(std::string_view gbk);
std::string Utf16ToGbk(std::u16string_view utf16);


