#include "platform/DateText.h"

#include <cstdio>

#ifdef _WIN32
#include <windows.h>

#include "platform/Utf8.h"
#else
#include <iconv.h>
#include <langinfo.h>
#include <locale.h>
#include <cstdlib>
#include <cstring>
#endif

namespace torva {

std::string formatLongDate(const LocalDateTime& t) {
    static constexpr const char* kMonths[] = {"ene", "feb", "mar", "abr", "may", "jun",
                                              "jul", "ago", "sep", "oct", "nov", "dic"};
    return std::to_string(t.day) + " " + kMonths[(t.month - 1) % 12] + " " + std::to_string(t.year);
}

std::string formatTime(const LocalDateTime& t) {
    char text[48];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour, t.minute, t.second);
    return text;
}

namespace {

#ifdef _WIN32
std::string localeText(LCTYPE type) {
    wchar_t text[80] = {};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, text, 80) <= 0) {
        return {};
    }
    const std::u16string wide(reinterpret_cast<const char16_t*>(text));
    return utf16ToUtf8(wide);
}
#else
// The text in the locale's character set, in UTF-8; empty when it cannot be
// converted.
std::string toUtf8(const char* text, const char* codeset) {
    if (std::strcmp(codeset, "UTF-8") == 0 || std::strcmp(codeset, "ANSI_X3.4-1968") == 0) {
        return text;
    }
    iconv_t convert = iconv_open("UTF-8", codeset);
    if (convert == reinterpret_cast<iconv_t>(-1)) {
        return {};
    }
    std::string in(text);
    std::string out(in.size() * 4 + 4, '\0');
    char* from = in.data();
    std::size_t fromLeft = in.size();
    char* to = out.data();
    std::size_t toLeft = out.size();
    const bool done =
        iconv(convert, &from, &fromLeft, &to, &toLeft) != static_cast<std::size_t>(-1);
    iconv_close(convert);
    if (!done) {
        return {};
    }
    out.resize(out.size() - toLeft);
    return out;
}

// The locale the environment gives LC_TIME, as setlocale resolves "".
const char* environmentTimeLocale() {
    for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value) {
            return value;
        }
    }
    return "C";
}
#endif

}  // namespace

AmPmDesignators localeAmPmDesignators() {
    AmPmDesignators d;
#ifdef _WIN32
    d.am = localeText(LOCALE_S1159);
    d.pm = localeText(LOCALE_S2359);
#else
    // The character set of the LC_TIME locale's own texts comes with it.
    const locale_t locale =
        newlocale(LC_TIME_MASK | LC_CTYPE_MASK, environmentTimeLocale(), static_cast<locale_t>(0));
    if (locale != static_cast<locale_t>(0)) {
        const char* codeset = nl_langinfo_l(CODESET, locale);
        d.am = toUtf8(nl_langinfo_l(AM_STR, locale), codeset);
        d.pm = toUtf8(nl_langinfo_l(PM_STR, locale), codeset);
        freelocale(locale);
    }
#endif
    if (d.am.empty()) {
        d.am = "AM";
    }
    if (d.pm.empty()) {
        d.pm = "PM";
    }
    return d;
}

}  // namespace torva
