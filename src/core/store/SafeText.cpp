#include "SafeText.h"

#include "NumberText.h"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <climits>

namespace tallyrock {

namespace {

// One character of UTF-8 text: its code point, or -1 for bytes that do not
// form one, and the bytes it takes.
struct Character {
    UChar32 code;
    std::string_view bytes;
};

// Calls f for every character of the text in order; stops when f returns false.
template <class F> bool eachCharacter(std::string_view text, F f) {
    // Texts longer than an int32_t are taken byte by byte as not UTF-8.
    const auto length = static_cast<int32_t>(std::min<std::size_t>(text.size(), INT32_MAX));
    int32_t i = 0;
    while (i < length) {
        int32_t start = i;
        UChar32 code = 0;
        U8_NEXT(text.data(), i, length, code);
        if (!f(Character{code,
                         text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(i - start))}))
            return false;
    }
    for (std::size_t k = static_cast<std::size_t>(length); k < text.size(); ++k)
        if (!f(Character{-1, text.substr(k, 1)})) return false;
    return true;
}

bool isControl(UChar32 code) {
    return (code >= 0 && code < 0x20) || code == 0x7F;
}

Message refusal(std::string text) {
    return {"Tallyrock", std::move(text), Icon::Exclamation};
}

// Canonical caseless form of valid UTF-8 text: NFD, full case folding, NFD.
std::string foldValid(std::string_view text) {
    if (text.empty()) return {};
    UErrorCode error = U_ZERO_ERROR;
    const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(error);
    icu::UnicodeString u =
        icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
    if (U_SUCCESS(error)) u = nfd->normalize(u, error);
    u.foldCase(U_FOLD_CASE_DEFAULT);
    if (U_SUCCESS(error)) u = nfd->normalize(u, error);
    std::string out;
    return U_SUCCESS(error) ? u.toUTF8String(out) : std::string(text);
}

} // namespace

bool isSafeText(std::string_view text) {
    return eachCharacter(text, [](const Character& c) { return c.code >= 0 && !isControl(c.code); });
}

bool isBlank(std::string_view text) {
    return !text.empty() && eachCharacter(text, [](const Character& c) {
        return c.code >= 0 &&
               (u_isUWhiteSpace(c.code) || u_hasBinaryProperty(c.code, UCHAR_DEFAULT_IGNORABLE_CODE_POINT));
    });
}

Failure checkText(std::string_view text, const std::string& what) {
    Failure found;
    eachCharacter(text, [&](const Character& c) {
        if (c.code == '\n' || c.code == '\r')
            found = refusal(what + " cannot contain a line break.");
        else if (isControl(c.code))
            found = refusal(what + " cannot contain a control character (code " +
                            plainNumber(static_cast<long long>(c.code)) + ").");
        else if (c.code < 0)
            found = refusal(what + " holds bytes that are not valid UTF-8 text.");
        return !found;
    });
    return found;
}

Failure checkName(std::string_view text, const std::string& what) {
    if (Failure unsafe = checkText(text, what)) return unsafe;
    if (isBlank(text)) return refusal(what + " cannot be made of blanks only.");
    return std::nullopt;
}

std::string keepSafeCharacters(std::string_view text) {
    std::string out;
    eachCharacter(text, [&out](const Character& c) {
        if (c.code >= 0 && !isControl(c.code)) out += c.bytes;
        return true;
    });
    return out;
}

std::string foldCase(std::string_view text) {
    // Valid stretches are folded; other bytes are kept as they are and match
    // only themselves.
    std::string out;
    std::size_t runStart = 0, runEnd = 0;
    eachCharacter(text, [&](const Character& c) {
        std::size_t at = static_cast<std::size_t>(c.bytes.data() - text.data());
        if (c.code >= 0) {
            runEnd = at + c.bytes.size();
            return true;
        }
        out += foldValid(text.substr(runStart, runEnd - runStart));
        out += c.bytes;
        runStart = runEnd = at + c.bytes.size();
        return true;
    });
    out += foldValid(text.substr(runStart, runEnd - runStart));
    return out;
}

bool sameName(std::string_view a, std::string_view b) {
    return a == b || foldCase(a) == foldCase(b);
}

} // namespace tallyrock
