#include <gtest/gtest.h>
#include <algorithm>
#include <cerrno>

#include "platform/net/EchoPacket.h"
#include "platform/net/SystemPing.h"

namespace torva {
namespace {

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

TEST(SystemPing, SocketErrorsNameTheirFailure) {
    EXPECT_EQ(pingStatusForSocketError(EACCES), PingStatus::SocketDenied);
    EXPECT_EQ(pingStatusForSocketError(EPERM), PingStatus::SocketDenied);
    EXPECT_EQ(pingStatusForSocketError(EAFNOSUPPORT), PingStatus::SocketUnavailable);
    EXPECT_EQ(pingStatusForSocketError(EPROTONOSUPPORT), PingStatus::SocketUnavailable);
}

}  // namespace
}  // namespace torva
