// iconv-based conversions. glibc names code page 936 "CP936". A converter is
// opened per direction once and reused; the program is single-threaded, but
// thread_local keeps tests that spawn threads safe as well.
#include "codepage.h"

#include <cerrno>
#include <iconv.h>


namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts in to out; on an invalid input sequence skips `skipBytes` input
    // bytes and appends `replacement` instead.
    std::string Run(std::string_view in, size_t skipBytes, std::string_view replacement) {
        std::string out;
        if (cd_ == reinterpret_cast<iconv_t>(-1) || in.empty()) return out;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        out.resize(in.size() * 2 + 16);
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        size_t used = 0;
        while (srcLeft > 0) {
            char* dst = out.data() + used;
            size_t dstLeft = out.size() - used;
            size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            used = out.size() - dstLeft;
            if (rc != static_cast<size_t>(-1)) break;
            if (errno == E2BIG) {
                out.resize(out.size() * 2);
            } else {  // EILSEQ or EINVAL: replace and go on
                size_t skip = skipBytes < srcLeft ? skipBytes : srcLeft;
                if (skipBytes == 0) skip = Utf8SequenceLength(src, srcLeft);
                src += skip;
                srcLeft -= skip;
                if (out.size() - used < replacement.size()) out.resize(out.size() * 2 + replacement.size());
                out.replace(used, replacement.size(), replacement);
                used += replacement.size();
                iconv(cd_, nullptr, nullptr, nullptr, nullptr);
            }
        }
        out.resize(used);
        return out;
    }

private:
    static size_t Utf8SequenceLength(const char* p, size_t left) {
        unsigned char c = static_cast<unsigned char>(*p);
        size_t n = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        for (size_t i = 1; i < n; ++i) {
            if (i >= left || (static_cast<unsigned char>(p[i]) & 0xC0) != 0x80) return i;
        }
        return n;
    }

    iconv_t cd_;
};

Converter& Utf8ToGbkConv() { thread_local Converter c("CP936", "UTF-8"); return c; }
Converter& GbkToUtf8Conv() { thread_local Converter c("UTF-8", "CP936"); return c; }
Converter& GbkToUtf16Conv() { thread_local Converter c("UTF-16LE", "CP936"); return c; }
Converter& Utf16ToGbkConv() { thread_local Converter c("CP936", "UTF-16LE"); return c; }

// Most catalogue cells are plain numbers: ASCII needs no converter.
bool IsAscii(std::string_view s) {
    for (char c : s) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

}  // namespace

std::string Utf8ToGbkBytes(std::string_view utf8) {
    if (IsAscii(utf8)) return std::string(utf8);
    return Utf8ToGbkConv().Run(utf8, 0, "?");
}

std::string GbkToUtf8(std::string_view gbk) {
    if (IsAscii(gbk)) return std::string(gbk);
    return GbkToUtf8Conv().Run(gbk, 1, "\xEF\xBF\xBD");
}

std::u16string GbkToUtf16Units(std::string_view gbk) {
    if (IsAscii(gbk)) return std::u16string(gbk.begin(), gbk.end());
    std::string bytes = GbkToUtf16Conv().Run(gbk, 1, std::string_view("\xFD\xFF", 2));
    std::u16string out(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < out.size(); ++i) {
        out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                       (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    }
    return out;
}

std::string Utf16ToGbk(std::u16string_view utf16) {
    bool ascii = true;
    for (char16_t c : utf16) ascii = ascii && c < 0x80;
    if (ascii) return std::string(utf16.begin(), utf16.end());
    std::string bytes(utf16.size() * 2, '\0');
    for (size_t i = 0; i < utf16.size(); ++i) {
        bytes[2 * i] = static_cast<char>(utf16[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<char>(utf16[i] >> 8);
    }
    // An unpaired surrogate is one bad unit of two bytes.
    return Utf16ToGbkConv().Run(bytes, 2, "?");
}


