#include <gtest/gtest.h>

#include "cycle/NombreRespuesta.h"

namespace torva {
namespace {

TEST(NombreRespuesta, EveryLetterCase) {
    struct Case {
        const char* marker;
        const char* send;
        const char* receive;
        std::optional<std::string> expected;
    };
    const char* kSend = "m,b,c,s,t,e,f,e";
    const char* kReceive = "m,r,c,x,t,r,a,a";
    const Case cases[] = {
        {"b1234567.123", kSend, kReceive, "r1234567.123"},
        {"m1234567.123", kSend, kReceive, "m1234567.err"},
        {"M1234567.123", kSend, kReceive, "m1234567.err"},  // the letter as configured
        {"e1234567.123", kSend, kReceive, "a1234567.123"},
        {"E1234567.123", kSend, kReceive, "a1234567.123"},
        {"ea1234001123", kSend, kReceive, "ra1234001123"},
        // An e-name without the dot whose response letter is e: letter, 3 to 9, ".err".
        {"ea1234001123", "e", "e", "e1234001.err"},
        // A 15-character name answered by its own letter keeps what follows "ENV/".
        {"s1234000012.045", "s", "s", "ss1234000.err"},
        {"f1234000012.045", kSend, kReceive, "a1234000012.045"},
        {"z1234567.123", kSend, kReceive, std::nullopt},  // not configured
        {",1234567.123", kSend, kReceive, std::nullopt},  // commas are no letters
        {"b1234567.123", "m,b", "m", std::nullopt},       // no response letter at its place
        {"", kSend, kReceive, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(nombreRespuesta(c.marker, c.send, c.receive), c.expected)
            << c.marker << " " << c.send << " / " << c.receive;
    }
}

}  // namespace
}  // namespace torva
