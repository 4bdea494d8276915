#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "manual/EsperaDePasada.h"

namespace torva {
namespace {

TEST(EsperaDePasada, WritesWaitForThePassThenRunBeforeTheirReports) {
    CycleState cycle;
    EsperaDePasada writes(cycle);
    std::vector<std::string> done;
    auto write = [&done](std::string name) {
        return [&done, name] {
            done.push_back("write " + name);
            return EsperaDePasada::Informe([&done, name] { done.push_back("report " + name); });
        };
    };

    EXPECT_FALSE(writes.escribe(write("a")));
    EXPECT_EQ(done, (std::vector<std::string>{"write a", "report a"}));

    done.clear();
    cycle.setPassInProgress(true);
    EXPECT_TRUE(writes.escribe(write("b")));
    EXPECT_TRUE(writes.escribe(write("c")));
    EXPECT_TRUE(done.empty());
    EXPECT_TRUE(writes.finDePasada().empty()) << "the pass has not ended";
    EXPECT_TRUE(writes.enEspera());

    cycle.setPassInProgress(false);
    const auto reports = writes.finDePasada();
    EXPECT_EQ(done, (std::vector<std::string>{"write b", "write c"}));
    for (const auto& report : reports) {
        report();
    }
    EXPECT_EQ(done, (std::vector<std::string>{"write b", "write c", "report b", "report c"}));
    EXPECT_FALSE(writes.enEspera());
    EXPECT_TRUE(writes.finDePasada().empty());
}

}  // namespace
}  // namespace torva
