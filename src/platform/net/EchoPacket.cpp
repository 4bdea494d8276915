#include "platform/net/EchoPacket.h"

namespace torva {
namespace {

constexpr unsigned char kEchoReply = 0;
constexpr unsigned char kEchoRequest = 8;
constexpr std::size_t kIcmpHeader = 8;
constexpr std::size_t kShortestIpHeader = 20;

void put16(unsigned char* at, std::uint16_t value) {
    at[0] = static_cast<unsigned char>(value >> 8);
    at[1] = static_cast<unsigned char>(value & 0xFFU);
}

std::uint16_t get16(const unsigned char* at) {
    return static_cast<std::uint16_t>((at[0] << 8) | at[1]);
}

}  // namespace

std::uint16_t internetChecksum(const unsigned char* bytes, std::size_t size) {
    std::uint32_t sum = 0;
    std::size_t i = 0;
    for (; i + 1 < size; i += 2) {
        sum += get16(bytes + i);
    }
    if (i < size) {
        sum += static_cast<std::uint32_t>(bytes[i]) << 8;
    }
    while (sum >> 16) {
        sum = (sum & 0xFFFFU) + (sum >> 16);
    }
    return static_cast<std::uint16_t>(~sum & 0xFFFFU);
}

std::vector<unsigned char> echoRequest(std::uint16_t identifier, std::uint16_t sequence) {
    std::vector<unsigned char> packet(kIcmpHeader + kEchoPacketDataBytes, 0);
    packet[0] = kEchoRequest;
    put16(&packet[4], identifier);
    put16(&packet[6], sequence);
    for (std::size_t i = 0; i < kEchoPacketDataBytes; ++i) {
        packet[kIcmpHeader + i] = static_cast<unsigned char>('a' + i % 23);
    }
    put16(&packet[2], internetChecksum(packet.data(), packet.size()));
    return packet;
}

std::optional<EchoReplyHeader> parseEchoReply(const unsigned char* packet, std::size_t size,
                                              bool withIpHeader) {
    std::size_t offset = 0;
    if (withIpHeader) {
        if (size < kShortestIpHeader || (packet[0] >> 4) != 4) {
            return std::nullopt;
        }
        offset = static_cast<std::size_t>(packet[0] & 0x0FU) * 4;
        if (offset < kShortestIpHeader) {
            return std::nullopt;
        }
    }
    if (size < offset + kIcmpHeader || packet[offset] != kEchoReply || packet[offset + 1] != 0) {
        return std::nullopt;
    }
    return EchoReplyHeader{get16(packet + offset + 4), get16(packet + offset + 6),
                           size - offset - kIcmpHeader};
}

}  // namespace torva
