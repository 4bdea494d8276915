#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace torva {

// Data bytes of every echo request.
inline constexpr std::uint16_t kEchoPacketDataBytes = 32;

// An ICMP echo request: type 8, the identifier, the sequence number and
// kEchoPacketDataBytes data bytes, with its checksum.
std::vector<unsigned char> echoRequest(std::uint16_t identifier, std::uint16_t sequence);

struct EchoReplyHeader {
    std::uint16_t identifier = 0;
    std::uint16_t sequence = 0;
    std::size_t dataBytes = 0;
};

// An echo reply (type 0) read from a socket, or nothing for any other
// packet. withIpHeader: the packet starts with its IPv4 header (raw sockets).
std::optional<EchoReplyHeader> parseEchoReply(const unsigned char* packet, std::size_t size,
                                              bool withIpHeader);

// The Internet checksum of the bytes.
std::uint16_t internetChecksum(const unsigned char* bytes, std::size_t size);

}  // namespace torva
