#include "platform/DateText.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/TempDir.h"

namespace torva {
namespace {

#ifndef _WIN32
// Sets environment variables for a scope and puts the old values back.
class ScopedEnvironment {
  public:
    void set(const char* name, const std::string& value) {
        const char* old = std::getenv(name);
        saved_.push_back({name, old ? std::optional<std::string>(old) : std::nullopt});
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnvironment() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->second) {
                setenv(it->first, it->second->c_str(), 1);
            } else {
                unsetenv(it->first);
            }
        }
    }

  private:
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

TEST(DateText, AmPmDesignatorsComeFromTheEnvironmentsTimeLocale) {
    {
        ScopedEnvironment env;
        env.set("LC_ALL", "C");
        const AmPmDesignators d = localeAmPmDesignators();
        EXPECT_EQ(d.am, "AM");
        EXPECT_EQ(d.pm, "PM");
    }
    {
        ScopedEnvironment env;
        env.set("LC_ALL", "xx_NOEXISTE.UTF-8");
        const AmPmDesignators d = localeAmPmDesignators();
        EXPECT_EQ(d.am, "AM");
        EXPECT_EQ(d.pm, "PM");
    }
    // Locales built for the test from the system's definitions, where it has them.
    test::TempDir locales;
    const std::string build = "localedef -c -i el_GR -f ISO-8859-7 " +
                              locales.file("el_GR.ISO-8859-7") +
                              " >/dev/null 2>&1 && localedef -c -i es_MX -f UTF-8 " +
                              locales.file("es_MX.UTF-8") + " >/dev/null 2>&1";
    if (std::system(build.c_str()) != 0) {
        GTEST_SKIP() << "localedef cannot build the test locales";
    }
    struct Case {
        const char* lcTime;
        const char* am;
        const char* pm;
    };
    const Case cases[] = {
        // Greek texts in their own character set, given in UTF-8.
        {"el_GR.ISO-8859-7", "\u03c0\u03bc", "\u03bc\u03bc"},
        // A locale without designators.
        {"es_MX.UTF-8", "AM", "PM"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lcTime);
        ScopedEnvironment env;
        env.set("LOCPATH", locales.path());
        env.set("LC_ALL", "");
        env.set("LANG", "C");
        env.set("LC_TIME", c.lcTime);
        const AmPmDesignators d = localeAmPmDesignators();
        EXPECT_EQ(d.am, c.am);
        EXPECT_EQ(d.pm, c.pm);
    }
}
#endif

}  // namespace
}  // namespace torva
