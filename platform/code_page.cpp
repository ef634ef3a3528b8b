#include "platform/code_page.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>
#include <unicode/ustring.h>

#include <climits>
#include <memory>
#include <utility>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <langinfo.h>
#include <locale.h>
#endif

namespace ledgerleaf {

namespace {

struct ConverterCloser {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// A converter that stops at the first character or byte sequence it cannot map.
Converter openStrict(const std::string& name) {
    UErrorCode status = U_ZERO_ERROR;
    Converter converter(ucnv_open(name.c_str(), &status));
    if (U_FAILURE(status))
        return nullptr;
    ucnv_setFromUCallBack(converter.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                          &status);
    ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                        &status);
    ucnv_setFallback(converter.get(), false);
    if (U_FAILURE(status))
        return nullptr;
    return converter;
}

bool fitsInt(std::size_t size) {
    return size < static_cast<std::size_t>(INT_MAX) / 4;
}

std::optional<std::u16string> utf16FromUtf8(std::string_view utf8) {
    if (!fitsInt(utf8.size()))
        return std::nullopt;
    std::u16string utf16(utf8.size(), u'\0');
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strFromUTF8(reinterpret_cast<UChar*>(utf16.data()), static_cast<int32_t>(utf16.size()),
                  &length, utf8.data(), static_cast<int32_t>(utf8.size()), &status);
    if (U_FAILURE(status))
        return std::nullopt;
    utf16.resize(static_cast<std::size_t>(length));
    return utf16;
}

std::optional<std::string> utf8FromUtf16(const std::u16string& utf16) {
    std::string utf8(utf16.size() * 3, '\0');
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strToUTF8(utf8.data(), static_cast<int32_t>(utf8.size()), &length,
                reinterpret_cast<const UChar*>(utf16.data()), static_cast<int32_t>(utf16.size()),
                &status);
    if (U_FAILURE(status))
        return std::nullopt;
    utf8.resize(static_cast<std::size_t>(length));
    return utf8;
}

std::string systemCodePageName() {
#ifdef _WIN32
    const UINT acp = GetACP();
    if (acp == CP_UTF8)
        return "UTF-8";
    return "windows-" + std::to_string(acp);
#else
    // The codeset of the locale the environment asks for, without changing the process's own
    // locale.
    std::string name = "UTF-8";
    locale_t locale = newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(0));
    if (locale != static_cast<locale_t>(0)) {
        const char* codeset = nl_langinfo_l(CODESET, locale);
        if (codeset != nullptr && *codeset != '\0')
            name = codeset;
        freelocale(locale);
    }
    if (name == "ANSI_X3.4-1968" || name == "US-ASCII")
        name = "UTF-8";
    return name;
#endif
}

}  // namespace

CodePage::CodePage(std::string name) : name_(std::move(name)) {}

CodePage CodePage::system() {
    return CodePage(systemCodePageName());
}

bool CodePage::isAvailable() const {
    return openStrict(name_) != nullptr;
}

std::optional<std::string> CodePage::fromUtf8(std::string_view utf8) const {
    const auto utf16 = utf16FromUtf8(utf8);
    if (!utf16)
        return std::nullopt;
    if (utf16->empty())
        return std::string();
    Converter converter = openStrict(name_);
    if (!converter)
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(UCNV_GET_MAX_BYTES_FOR_STRING(
                          utf16->size(), ucnv_getMaxCharSize(converter.get()))),
                      '\0');
    if (!fitsInt(bytes.size()))
        return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length =
        ucnv_fromUChars(converter.get(), bytes.data(), static_cast<int32_t>(bytes.size()),
                        reinterpret_cast<const UChar*>(utf16->data()),
                        static_cast<int32_t>(utf16->size()), &status);
    if (U_FAILURE(status))
        return std::nullopt;
    bytes.resize(static_cast<std::size_t>(length));
    return bytes;
}

std::optional<std::string> CodePage::toUtf8(std::string_view bytes) const {
    if (bytes.empty())
        return std::string();
    if (!fitsInt(bytes.size()))
        return std::nullopt;
    Converter converter = openStrict(name_);
    if (!converter)
        return std::nullopt;
    // Every byte gives at most two UTF-16 units (a surrogate pair needs at least two bytes in
    // any code page, so this is generous).
    std::u16string utf16(bytes.size() * 2, u'\0');
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = ucnv_toUChars(converter.get(), reinterpret_cast<UChar*>(utf16.data()),
                                         static_cast<int32_t>(utf16.size()), bytes.data(),
                                         static_cast<int32_t>(bytes.size()), &status);
    if (U_FAILURE(status))
        return std::nullopt;
    utf16.resize(static_cast<std::size_t>(length));
    return utf8FromUtf16(utf16);
}

}  // namespace ledgerleaf
