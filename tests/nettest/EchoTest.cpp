#include <gtest/gtest.h>
#include <algorithm>
#include <cerrno>
#include <set>
#include <string_view>

#include "nettest/icmp/EchoPacket.h"
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

TEST(EchoPacket, RequestHasItsFieldsAndAValidChecksum) {
    const auto packet = echoRequest(0x1234, 0xBEEF);
    ASSERT_EQ(packet.size(), 8U + 32U);
    EXPECT_EQ(packet[0], 8);
    EXPECT_EQ(internetChecksum(packet.data(), packet.size()), 0);
    EXPECT_EQ(packet[4], 0x12);
    EXPECT_EQ(packet[7], 0xEF);
}

TEST(EchoPacket, OnlyWellFormedRepliesAreRead) {
    auto reply = echoRequest(0x0102, 9);
    reply[0] = 0;  // echo reply
    std::vector<unsigned char> withIp(20 + reply.size(), 0);
    withIp[0] = 0x45;
    std::copy(reply.begin(), reply.end(), withIp.begin() + 20);

    const auto plain = parseEchoReply(reply.data(), reply.size(), false);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->identifier, 0x0102);
    EXPECT_EQ(plain->sequence, 9);
    EXPECT_EQ(plain->dataBytes, 32U);
    const auto raw = parseEchoReply(withIp.data(), withIp.size(), true);
    ASSERT_TRUE(raw);
    EXPECT_EQ(raw->dataBytes, 32U);

    auto request = echoRequest(1, 1);
    auto shortIhl = withIp;
    shortIhl[0] = 0x44;
    auto longIhl = withIp;
    longIhl[0] = 0x4F;  // 60-byte header, longer than the packet
    struct Case {
        const char* what;
        std::vector<unsigned char> bytes;
        bool withIpHeader;
    } cases[] = {
        {"a request", request, false},
        {"cut short", std::vector<unsigned char>(reply.begin(), reply.begin() + 7), false},
        {"empty", {}, true},
        {"IP header under 20 bytes", shortIhl, true},
        {"IP header past the end", longIhl, true},
        {"not IPv4", std::vector<unsigned char>(withIp.size(), 0x65), true},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(parseEchoReply(c.bytes.data(), c.bytes.size(), c.withIpHeader)) << c.what;
    }
}

TEST(EchoPacket, SocketErrorsNameTheirFailure) {
    EXPECT_EQ(echoCodeForSocketError(EACCES), EchoCode::SocketDenied);
    EXPECT_EQ(echoCodeForSocketError(EPERM), EchoCode::SocketDenied);
    EXPECT_EQ(echoCodeForSocketError(EAFNOSUPPORT), EchoCode::SocketUnavailable);
    EXPECT_EQ(echoCodeForSocketError(EPROTONOSUPPORT), EchoCode::SocketUnavailable);
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
