#include <gtest/gtest.h>
#include <set>
#include <string_view>

#include "nettest/PruebasFixture.h"

namespace torva {
namespace {

using test::PruebasFixture;

TEST(Echo, LoopbackAnswersWith32BytesAndTheSequence) {
    TORVA_NEED_ICMP();
    SystemEchoTransport transport;
    const EchoOutcome outcome = transport.echo("127.0.0.1", 7, 2000, false);
    EXPECT_EQ(outcome.code, EchoCode::Ok);
    EXPECT_EQ(outcome.bytes, 32);
    EXPECT_GE(outcome.milliseconds, 0);
    EXPECT_LT(outcome.milliseconds, 2000);

    EXPECT_EQ(transport.echo("127.0.0.1x", 1, 100, false).code, EchoCode::HostUnknown);
}

TEST(Echo, RequestsCountedAndPrintedOnePerReply) {
    TORVA_NEED_ICMP();
    for (const bool synchronous : {true, false}) {
        SCOPED_TRACE(synchronous);
        PruebasFixture f;
        f.ping.setSynchronous(synchronous);
        f.ping.setTargetHost("127.0.0.1");
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(f.ping.Action(EchoAction::Request), EchoCode::Ok);
        }
        ASSERT_TRUE(f.runner.runUntil([&] { return f.pruebas.recvLabel() == "3"; }, 5000));
        EXPECT_EQ(f.ping.RequestsSent(), 3);
        EXPECT_EQ(f.ping.RepliesReceived(), 3);
        EXPECT_EQ(f.ping.TargetAddress(), "127.0.0.1");
        EXPECT_EQ(f.pruebas.recvLabel(), "3");
        EXPECT_EQ(f.pruebas.lossLabel(), "0%");
        EXPECT_EQ(f.pruebas.resultado(), "Excelente");
        // One line per reply: sequence 1 to 3 in any order, any whole lapse.
        const std::string head =
            "   Ping a [127.0.0.1]: 32 bytes enviados, 32 bytes recibidos, icmp_seq=";
        const std::string tail = " ms  0% Perdidas";
        std::set<std::string> sequences;
        std::string_view rest = f.pruebas.salida();
        while (!rest.empty()) {
            const auto end = rest.find("\r\n");
            ASSERT_NE(end, std::string_view::npos) << f.pruebas.salida();
            const std::string_view line = rest.substr(0, end);
            rest.remove_prefix(end + 2);
            ASSERT_EQ(line.substr(0, head.size()), head);
            ASSERT_EQ(line.substr(line.size() - tail.size()), tail);
            const std::string_view middle =
                line.substr(head.size(), line.size() - head.size() - tail.size());
            const auto lapso = middle.find(", lapso=");
            ASSERT_NE(lapso, std::string_view::npos);
            const std::string_view ms = middle.substr(lapso + 8);
            EXPECT_FALSE(ms.empty());
            EXPECT_EQ(ms.find_first_not_of("0123456789"), std::string_view::npos) << line;
            sequences.insert(std::string(middle.substr(0, lapso)));
        }
        EXPECT_EQ(sequences, (std::set<std::string>{"1", "2", "3"}));
    }
}

TEST(Echo, ClearingDropsTheRepliesStillOut) {
    TORVA_NEED_ICMP();
    PruebasFixture f;
    f.ping.setSynchronous(false);
    f.ping.setTargetHost("127.0.0.1");
    f.ping.Action(EchoAction::Request);
    f.ping.setClearStatistics(true);
    f.runner.runFor(300);
    EXPECT_EQ(f.ping.RequestsSent(), 0);
    EXPECT_EQ(f.ping.RepliesReceived(), 0);
    EXPECT_EQ(f.pruebas.salida(), "");
}

TEST(Resolver, DottedAddressesAreTakenAsTheyAre) {
    SystemResolver resolver;
    EXPECT_EQ(resolver.resolve("127.0.0.1"), "127.0.0.1");
    // Refused before any question is asked.
    EXPECT_FALSE(resolver.resolve(""));
    EXPECT_FALSE(resolver.resolve(std::string(300, 'a')));
    EXPECT_FALSE(resolver.resolve("bad\nname"));
}

}  // namespace
}  // namespace torva
