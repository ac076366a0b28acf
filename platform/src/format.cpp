// SafeFormat: printf conversions checked one by one against the arguments
// actually passed. Each valid conversion is handed to snprintf with a
// 64-bit or double argument of the right kind, under the "C" locale, so the
// text is the C library's with a decimal point; whatever cannot be honoured
// is copied as it stands.
#include "platform/format.h"

#include "utf8.h"

#include <locale.h>

#include <cstdio>
#include <limits>
#include <optional>

namespace plat {

namespace {

// Widths and precisions beyond this are taken as a broken format, not as a
// request for megabytes of padding.
constexpr int kMaxWidth = 4096;

enum ArgKind { kSigned = 0, kUnsigned = 1, kDouble = 2, kString = 3 };

struct Conversion {
    std::string flags;
    std::optional<int> width;
    bool widthStar = false;
    std::optional<int> precision;
    bool precisionStar = false;
    bool wide = false; // a 64-bit length modifier
    char letter = 0;   // d, s, f ...
    bool valid = true;
};

bool IsFlag(char c) { return c == '-' || c == '+' || c == ' ' || c == '#' || c == '0'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads a decimal number; false when it is larger than the cap.
bool ReadNumber(std::string_view f, std::size_t& j, int& value)
{
    long long v = 0;
    bool fits = true;
    while (j < f.size() && IsDigit(f[j])) {
        v = v * 10 + (f[j] - '0');
        if (v > kMaxWidth) {
            fits = false;
            v = kMaxWidth;
        }
        ++j;
    }
    value = static_cast<int>(v);
    return fits;
}

// Parses the conversion starting after '%' at j; j ends after the
// conversion character (or at the end of the format).
Conversion Parse(std::string_view f, std::size_t& j)
{
    Conversion s;
    while (j < f.size() && IsFlag(f[j]))
        s.flags += f[j++];
    if (j < f.size() && f[j] == '*') {
        s.widthStar = true;
        ++j;
    } else if (j < f.size() && IsDigit(f[j])) {
        int w = 0;
        s.valid &= ReadNumber(f, j, w);
        s.width = w;
    }
    if (j < f.size() && f[j] == '.') {
        ++j;
        if (j < f.size() && f[j] == '*') {
            s.precisionStar = true;
            ++j;
        } else {
            int p = 0;
            s.valid &= ReadNumber(f, j, p);
            s.precision = p;
        }
    }
    // Length modifiers are accepted; the argument's own kind decides.
    auto starts = [&](std::string_view m) { return f.substr(j, m.size()) == m; };
    if (starts("I64")) {
        s.wide = true;
        j += 3;
    } else if (starts("I32")) {
        j += 3;
    } else if (starts("ll") || starts("hh")) {
        s.wide = f[j] == 'l';
        j += 2;
    } else if (j < f.size() && std::string_view("hlLzjtIq").find(f[j]) != std::string_view::npos) {
        s.wide = f[j] == 'z' || f[j] == 'j' || f[j] == 't' || f[j] == 'I' || f[j] == 'q';
        ++j;
    }
    if (j < f.size())
        s.letter = f[j++];
    else
        s.valid = false;
    return s;
}

// The "C" locale for this thread while it lives: snprintf then writes a
// decimal point whatever locale the process runs in. Per thread, so a
// formatter on another thread is not disturbed.
class CLocaleScope {
public:
    CLocaleScope() : m_previous(uselocale(CLocale())) {}
    ~CLocaleScope() { uselocale(m_previous); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    static locale_t CLocale()
    {
        static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
        return c;
    }
    locale_t m_previous;
};

template <class T>
std::string CFormat(const std::string& format, T value)
{
    const CLocaleScope cLocale;
    const int size = std::snprintf(nullptr, 0, format.c_str(), value);
    if (size <= 0)
        return {};
    std::string out(static_cast<std::size_t>(size) + 1, '\0');
    std::snprintf(out.data(), out.size(), format.c_str(), value);
    out.resize(static_cast<std::size_t>(size));
    return out;
}

std::string CFormatString(const Conversion& s, const char* length, char letter)
{
    std::string out = "%" + s.flags;
    if (s.width)
        out += std::to_string(*s.width);
    if (s.precision)
        out += "." + std::to_string(*s.precision);
    return out + length + letter;
}

std::string Pad(std::string text, const Conversion& s)
{
    const std::size_t width = s.width ? static_cast<std::size_t>(*s.width) : 0;
    if (text.size() < width) {
        const std::string fill(width - text.size(), ' ');
        text = s.flags.find('-') != std::string::npos ? text + fill : fill + text;
    }
    return text;
}

// UTF-8 of a code point; nothing for one that is not a character.
std::optional<std::string> Utf8(long long cp)
{
    if (cp < 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return std::nullopt;
    std::string out;
    if (cp != 0)
        detail::AppendUtf8(out, static_cast<uint32_t>(cp));
    return out;
}

bool IsInteger(const FormatArg& a) { return a.value.index() == kSigned || a.value.index() == kUnsigned; }

long long AsSigned(const FormatArg& a)
{
    return a.value.index() == kSigned ? std::get<int64_t>(a.value)
                                      : static_cast<long long>(std::get<uint64_t>(a.value));
}

// Text of one integer conversion with the C library's rules for the
// argument's kind: a negative value under an unsigned conversion is shown
// in 32 bits unless a 64-bit modifier asks for more, as a C int would be.
std::string FormatInteger(const Conversion& s, const FormatArg& a)
{
    const bool isSigned = a.value.index() == kSigned;
    if (s.letter == 'd' || s.letter == 'i') {
        if (isSigned)
            return CFormat(CFormatString(s, "ll", 'd'), static_cast<long long>(std::get<int64_t>(a.value)));
        return CFormat(CFormatString(s, "ll", 'u'), static_cast<unsigned long long>(std::get<uint64_t>(a.value)));
    }
    unsigned long long v;
    if (!isSigned) {
        v = std::get<uint64_t>(a.value);
    } else {
        const int64_t sv = std::get<int64_t>(a.value);
        v = (sv < 0 && !s.wide && sv >= std::numeric_limits<int32_t>::min()) ? static_cast<uint32_t>(sv)
                                                                             : static_cast<unsigned long long>(sv);
    }
    return CFormat(CFormatString(s, "ll", s.letter), v);
}

} // namespace

std::string SafeFormat(std::string_view format, std::initializer_list<FormatArg> args)
{
    std::string out;
    out.reserve(format.size());
    const FormatArg* next = args.begin();
    const FormatArg* const end = args.end();
    std::size_t i = 0;
    while (i < format.size()) {
        const std::size_t percent = format.find('%', i);
        if (percent == std::string_view::npos) {
            out.append(format.substr(i));
            break;
        }
        out.append(format.substr(i, percent - i));
        if (percent + 1 < format.size() && format[percent + 1] == '%') {
            out += '%';
            i = percent + 2;
            continue;
        }
        std::size_t j = percent + 1;
        Conversion conv = Parse(format, j);
        const std::string_view literal = format.substr(percent, j - percent);
        i = j;

        const std::string_view known = "diuxXocsfFeEgG";
        if (!conv.valid || known.find(conv.letter) == std::string_view::npos) {
            out.append(literal); // %n, %p, unknown, or out of bounds: as it stands
            continue;
        }
        // The arguments this conversion takes: '*' width, '*' precision, value.
        const FormatArg* arg = next;
        auto take = [&]() -> const FormatArg* { return arg < end ? arg++ : nullptr; };
        bool mismatch = false, missing = false;
        if (conv.widthStar) {
            const FormatArg* w = take();
            if (!w)
                missing = true;
            else if (!IsInteger(*w))
                mismatch = true;
            else if (const long long v = AsSigned(*w); v < -kMaxWidth || v > kMaxWidth)
                conv.valid = false;
            else if (v < 0) {
                conv.flags += '-';
                conv.width = static_cast<int>(-v);
            } else {
                conv.width = static_cast<int>(v);
            }
        }
        if (conv.precisionStar && !missing && !mismatch) {
            const FormatArg* p = take();
            if (!p)
                missing = true;
            else if (!IsInteger(*p))
                mismatch = true;
            else if (const long long v = AsSigned(*p); v > kMaxWidth)
                conv.valid = false;
            else if (v >= 0)
                conv.precision = static_cast<int>(v); // negative: as if none was given
        }
        const FormatArg* value = (missing || mismatch) ? nullptr : take();
        if (!mismatch && !missing && !value)
            missing = true;
        std::string text;
        bool ok = !missing && !mismatch && conv.valid;
        if (ok) {
            switch (conv.letter) {
            case 'c':
                if (!IsInteger(*value))
                    ok = false;
                else if (auto ch = Utf8(AsSigned(*value)))
                    text = Pad(*ch, conv);
                else
                    ok = false;
                break;
            case 's':
                ok = value->value.index() == kString;
                if (ok) {
                    const std::string& s = std::get<std::string>(value->value);
                    text = Pad(conv.precision ? CutUtf8(s, static_cast<std::size_t>(*conv.precision)) : s, conv);
                }
                break;
            case 'f':
            case 'F':
            case 'e':
            case 'E':
            case 'g':
            case 'G':
                ok = value->value.index() == kDouble;
                if (ok)
                    text = CFormat(CFormatString(conv, "", conv.letter), std::get<double>(value->value));
                break;
            default:
                ok = IsInteger(*value);
                if (ok)
                    text = FormatInteger(conv, *value);
                break;
            }
            mismatch = !ok;
        }
        if (ok) {
            out += text;
            next = arg;
        } else {
            out.append(literal);
            // A mismatched argument still belongs to this conversion, so
            // the ones after it keep their places.
            if (mismatch)
                next = arg;
        }
    }
    return out;
}

} // namespace plat
