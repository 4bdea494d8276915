#include <gtest/gtest.h>

#include "profiles/ErrorText.h"

namespace torva {
namespace {

TEST(ErrorText, FileSystemFailuresReadInSpanish) {
    struct Case {
        std::errc code;
        std::string text;
    };
    const Case cases[] = {
        {std::errc::permission_denied,
         "permiso denegado (el archivo es de solo lectura o no tiene permiso)"},
        {std::errc::no_such_file_or_directory, "no existe el archivo o el directorio"},
        {std::errc::no_space_on_device, "no hay espacio en el disco"},
        {std::errc::text_file_busy, "el archivo está en uso por otro programa"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(errorText(std::make_error_code(c.code)), c.text);
    }
    // A code without a text of its own still gives Spanish, never the system's English.
    EXPECT_EQ(
        errorText(std::make_error_code(std::errc::protocol_error)).rfind("error del sistema", 0),
        0u);
}

TEST(ErrorText, WindowsOwnCodesReadInSpanish) {
#ifdef _WIN32
    // A file another program holds open: the portable conditions have no name for it.
    EXPECT_EQ(errorText(std::error_code(32, std::system_category())),
              "el archivo está en uso por otro programa");
    EXPECT_EQ(errorText(std::error_code(112, std::system_category())),
              "no hay espacio en el disco");
#else
    GTEST_SKIP() << "Windows's own error codes";
#endif
}

}  // namespace
}  // namespace torva
