// A recursive-descent evaluator. Nesting is limited so that no input can
// exhaust the stack.
#include "script_engine.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>

namespace {

constexpr int kMaxDepth = 200;

// from_chars gives no value for a number beyond the range of a double; the
// decimal exponent of its first significant digit tells too large (infinite)
// from too small (zero).
bool TooLarge(std::string_view number) {
    const size_t e = number.find_first_of("eE");
    long exponent = 0;
    if (e != std::string_view::npos) {
        size_t i = e + 1;
        const bool negative = i < number.size() && number[i] == '-';
        if (i < number.size() && (number[i] == '-' || number[i] == '+')) ++i;
        for (; i < number.size() && exponent < 1000000; ++i) exponent = exponent * 10 + (number[i] - '0');
        if (negative) exponent = -exponent;
    }
    const std::string_view mantissa = number.substr(0, e);
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) return false;
    const long lead = first < point ? static_cast<long>(point - first - 1) : -static_cast<long>(first - point);
    return lead + exponent > 0;
}

class Parser {
public:
    explicit Parser(const std::string& text) : s_(text) {}

    bool Parse(double& value) {
        if (!Expression(value)) return false;
        Skip();
        return pos_ == s_.size();
    }

    // A bracketed part came out below zero outside any square root: in a
    // section formula that is a length of material less than nothing, such
    // as the web h - t1 - t2. Under a root the sign of a part may be anything.
    bool NegativePart() const { return negativePart_; }

private:
    void Skip() {
        while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\t' || s_[pos_] == '\n' || s_[pos_] == '\r'))
            ++pos_;
    }
    bool Peek(char c) {
        Skip();
        return pos_ < s_.size() && s_[pos_] == c;
    }

    bool Expression(double& value) {
        if (++depth_ > kMaxDepth) return false;
        bool ok = Term(value);
        while (ok) {
            if (Peek('+') || Peek('-')) {
                const char op = s_[pos_++];
                double rhs = 0;
                ok = Term(rhs);
                value = op == '+' ? value + rhs : value - rhs;
            } else {
                break;
            }
        }
        --depth_;
        return ok;
    }

    bool Term(double& value) {
        bool ok = Unary(value);
        while (ok) {
            if (Peek('*') || Peek('/')) {
                const char op = s_[pos_++];
                double rhs = 0;
                ok = Unary(rhs);
                value = op == '*' ? value * rhs : value / rhs;
            } else {
                break;
            }
        }
        return ok;
    }

    bool Unary(double& value) {
        if (++depth_ > kMaxDepth) return false;
        bool ok;
        if (Peek('-') || Peek('+')) {
            const bool negate = s_[pos_++] == '-';
            ok = Unary(value);
            if (negate) value = -value;
        } else {
            ok = Primary(value);
        }
        --depth_;
        return ok;
    }

    bool Group(char close, double& value) {
        ++pos_;
        if (!Expression(value) || !Peek(close)) return false;
        ++pos_;
        if (value < 0 && roots_ == 0) negativePart_ = true;
        return true;
    }

    bool Primary(double& value) {
        Skip();
        if (pos_ >= s_.size()) return false;
        const char c = s_[pos_];
        if (c == '(') return Group(')', value);
        if (c == '[') return Group(']', value);
        if ((c >= '0' && c <= '9') || c == '.') return Number(value);
        static const char kSqrt[] = "Math.sqrt";
        if (s_.compare(pos_, std::strlen(kSqrt), kSqrt) == 0) {
            pos_ += std::strlen(kSqrt);
            if (!Peek('(')) return false;
            ++roots_;
            const bool ok = Group(')', value);
            --roots_;
            if (!ok) return false;
            value = std::sqrt(value);
            return true;
        }
        return false;
    }

    // Digits with an optional fraction and signed exponent; ".5" and "7." too.
    bool Number(double& value) {
        const size_t start = pos_;
        size_t digits = 0;
        while (pos_ < s_.size() && s_[pos_] >= '0' && s_[pos_] <= '9') ++pos_, ++digits;
        if (pos_ < s_.size() && s_[pos_] == '.') {
            ++pos_;
            while (pos_ < s_.size() && s_[pos_] >= '0' && s_[pos_] <= '9') ++pos_, ++digits;
        }
        if (digits == 0) return false;
        if (pos_ < s_.size() && (s_[pos_] == 'e' || s_[pos_] == 'E')) {
            ++pos_;
            if (pos_ < s_.size() && (s_[pos_] == '+' || s_[pos_] == '-')) ++pos_;
            size_t expDigits = 0;
            while (pos_ < s_.size() && s_[pos_] >= '0' && s_[pos_] <= '9') ++pos_, ++expDigits;
            if (expDigits == 0) return false;
        }
        const std::string_view text(s_.data() + start, pos_ - start);
        const auto res = std::from_chars(text.data(), text.data() + text.size(), value);
        if (res.ec == std::errc::result_out_of_range) {
            value = TooLarge(text) ? HUGE_VAL : 0.0;
            return true;
        }
        return res.ec == std::errc() && res.ptr == text.data() + text.size();
    }

    const std::string& s_;
    size_t pos_ = 0;
    int depth_ = 0;
    int roots_ = 0;
    bool negativePart_ = false;
};

}  // namespace

bool EvaluateFormula(const std::string& expression, double& value, bool& notFinite, bool& negativePart) {
    Parser parser(expression);
    double v = 0;
    const bool parsed = parser.Parse(v);
    notFinite = parsed && !std::isfinite(v);
    negativePart = parsed && parser.NegativePart();
    if (!parsed || notFinite) return false;
    value = v;
    return true;
}

bool EvaluateFormula(const std::string& expression, double& value) {
    bool notFinite = false, negativePart = false;
    return EvaluateFormula(expression, value, notFinite, negativePart);
}

std::string ScriptEngine::Eval(const std::string& expression) {
    double value = 0;
    if (!EvaluateFormula(expression, value, lastNotFinite_, lastNegativePart_)) return {};
    if (value == 0) value = 0;  // no "-0"
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    return std::string(buf, res.ptr);
}
