#include "platform/xlsx_spreadsheet_text.h"

#include <unicode/uchar.h>

#include <algorithm>
#include <vector>

namespace ledgerleaf {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The code points of `text`; every byte that does not start a well-formed UTF-8 sequence (and
// the characters a workbook cannot hold) becomes U+FFFD.
std::vector<char32_t> decode(std::string_view text) {
    std::vector<char32_t> out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int length = 0;
        char32_t cp = 0;
        char32_t minimum = 0;
        if (lead < 0x80) {
            length = 1;
            cp = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            cp = lead & 0x1F;
            minimum = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            cp = lead & 0x0F;
            minimum = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            cp = lead & 0x07;
            minimum = 0x10000;
        }
        bool ok = length > 0 && i + length <= text.size();
        for (int k = 1; ok && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            ok = (next & 0xC0) == 0x80;
            cp = (cp << 6) | (next & 0x3F);
        }
        ok = ok && cp >= minimum && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
        if (!ok) {
            out.push_back(kReplacement);
            ++i;
            continue;
        }
        if (cp == 0 || cp == 0xFFFE || cp == 0xFFFF)
            cp = kReplacement;
        out.push_back(cp);
        i += static_cast<std::size_t>(length);
    }
    return out;
}

void append(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool isHexDigit(char32_t c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Whether the underscore at `i` starts "_xHHHH_", which the workbook would read as an escape.
// An upper-case X is escaped too: that costs nothing and does not depend on how a reader
// treats it.
bool startsEscape(const std::vector<char32_t>& cps, std::size_t i) {
    if (i + 6 >= cps.size() || cps[i] != '_' || (cps[i + 1] != 'x' && cps[i + 1] != 'X') ||
        cps[i + 6] != '_')
        return false;
    return std::all_of(cps.begin() + static_cast<std::ptrdiff_t>(i) + 2,
                       cps.begin() + static_cast<std::ptrdiff_t>(i) + 6, isHexDigit);
}

constexpr std::string_view kEscapedUnderscore = "_x005F_";
constexpr char32_t kEllipsis = 0x2026;

}  // namespace

std::string xlsxCellText(std::string_view text) {
    const std::vector<char32_t> cps = decode(text);
    // Two counts are kept: what the spreadsheet shows (UTF-16 units) and what the writer is
    // given (code points, escapes included).
    struct Piece {
        bool escaped;
        int shown;
        int given;
    };
    auto piece = [&](std::size_t i) {
        if (startsEscape(cps, i))
            return Piece{true, 1, static_cast<int>(kEscapedUnderscore.size())};
        return Piece{false, cps[i] >= 0x10000 ? 2 : 1, 1};
    };

    int shown = 0;
    int given = 0;
    bool fits = true;
    for (std::size_t i = 0; i < cps.size() && fits; ++i) {
        const Piece p = piece(i);
        shown += p.shown;
        given += p.given;
        fits = shown <= kMaxCellCharacters && given <= kMaxCellCharacters;
    }

    std::string out;
    out.reserve(text.size() + 16);
    // Room for the ellipsis when the text must be cut.
    const int limit = fits ? kMaxCellCharacters : kMaxCellCharacters - 1;
    shown = given = 0;
    for (std::size_t i = 0; i < cps.size(); ++i) {
        const Piece p = piece(i);
        if (shown + p.shown > limit || given + p.given > limit)
            break;
        shown += p.shown;
        given += p.given;
        if (p.escaped)
            out += kEscapedUnderscore;
        else
            append(out, cps[i]);
    }
    if (!fits)
        append(out, kEllipsis);
    return out;
}

int textDisplayWidth(std::string_view text) {
    int widest = 0;
    int line = 0;
    for (const char32_t cp : decode(text)) {
        if (cp == '\n' || cp == '\r') {
            line = 0;
            continue;
        }
        const auto width = u_getIntPropertyValue(static_cast<UChar32>(cp), UCHAR_EAST_ASIAN_WIDTH);
        line += (width == U_EA_WIDE || width == U_EA_FULLWIDTH) ? 2 : 1;
        widest = std::max(widest, line);
    }
    return widest;
}

}  // namespace ledgerleaf
