#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "cycle/CycleFixture.h"
#include "cycle/DistribuyeRespuestas.h"
#include "cycle/RecogeRutasAdicionales.h"
#include "cycle/RegresaArchivosRutas.h"
#include "names/SentRegistry.h"

namespace torva {
namespace {

using test::CycleFixture;
using test::readBytes;
using test::writeBytes;
using Names = std::vector<std::string>;

Names namesIn(const std::string& dir) {
    std::error_code ec;
    Names names;
    for (const DirEntry& e : listDirectory(dir, ec)) {
        if (!e.isDirectory) {
            names.push_back(e.name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

FileTime timeOf(const std::string& path) {
    return *modificationTime(path);
}

void setTime(const std::string& path, int minutesAgo) {
    const auto t = std::filesystem::file_time_type::clock::now() - std::chrono::minutes(minutesAgo);
    std::filesystem::last_write_time(toFsPath(path), t);
}

// Day 343, send letters m, e, s; a route for e-files and one for s-files.
struct RouteFixture : CycleFixture {
    std::string routeE = dir.file("sistema-e");
    std::string routeS = dir.file("sistema-s");

    RouteFixture() {
        makeDirectory(routeE);
        makeDirectory(routeS);
        state.config.set(slot::kRoutes, "1");
        state.config.set(slot::kSendLetters, "m,e,s");
        state.lists.set(ListId::EnvioLocal, {routeE, routeS});
        state.lists.set(ListId::ArchivosE, {"e", "s"});
    }
    void drop(const std::string& route, const std::string& name, int minutesAgo = 30) {
        writeBytes(joinPath(route, name), "original " + name);
        setTime(joinPath(route, name), minutesAgo);
    }
    SentRegistry registry() {
        std::error_code ec;
        return SentRegistry::read(joinPath(send, "bitacora"), ec);
    }
    // The send folder's files but the registry.
    Names collected() const {
        Names names = namesIn(send);
        std::erase(names, "bitacora");
        return names;
    }
    void collect() {
        CycleContext c = ctx();
        RecogeRutasAdicionales(c, registry());
    }
    // What the outgoing pass records of a file it sent from the send folder.
    void recordSent(const std::string& name) {
        appendRegistryLine(joinPath(send, "bitacora"), name, timeOf(joinPath(send, name)));
        state.lists.add(ListId::Enviados, name + " - 10:07:00");
    }
};

TEST(Routes, CollectsTodaysFilesOfThePatenteAndRouteOnceSent) {
    RouteFixture f;
    for (const char* n : {"e1234001.343", "E1234002.343", "e1234001.342", "e9999001.343",
                          "m1234001.343", "1234m001.343", "ea1234003343"}) {
        f.drop(f.routeE, n);
    }
    f.drop(f.routeS, "s1234000012.343");
    makeDirectory(joinPath(f.routeE, "e1234009.343"));
    f.collect();
    EXPECT_EQ(f.collected(),
              (Names{"E1234002.343", "e1234001.343", "ea1234003343", "s1234000012.343"}));
    EXPECT_EQ(timeOf(joinPath(f.send, "e1234001.343")), timeOf(joinPath(f.routeE, "e1234001.343")));

    // Sent as collected: not collected again.
    for (const char* n : {"E1234002.343", "e1234001.343", "ea1234003343", "s1234000012.343"}) {
        f.recordSent(n);
        removeFile(joinPath(f.send, n));
    }
    f.collect();
    EXPECT_TRUE(f.collected().empty());

    // A file beginning with the patente passes once its first digit is a send letter.
    f.state.config.set(slot::kSendLetters, "m,e,s,1");
    f.collect();
    EXPECT_EQ(f.collected(), (Names{"1234m001.343"}));
}

TEST(Routes, WritesBackOnlyFilesThatChangedWhenSentAndStillInTheRoute) {
    RouteFixture f;
    for (const char* n : {"e1234001.343", "e1234002.343", "e1234003.343"}) {
        f.drop(f.routeE, n);
    }
    f.collect();
    // Signing rewrote e1234001 in the send folder; e1234002 went unchanged;
    // e1234003 has since left its route.
    writeBytes(joinPath(f.send, "e1234001.343"), "firmado");
    setTime(joinPath(f.send, "e1234001.343"), 1);
    writeBytes(joinPath(f.send, "e1234003.343"), "firmado");
    setTime(joinPath(f.send, "e1234003.343"), 1);
    removeFile(joinPath(f.routeE, "e1234003.343"));
    for (const char* n : {"e1234001.343", "e1234002.343", "e1234003.343"}) {
        f.recordSent(n);
    }
    CycleContext c = f.ctx();
    RegresaArchivosRutas(c);
    EXPECT_EQ(readBytes(joinPath(f.routeE, "e1234001.343")), "firmado");
    EXPECT_EQ(timeOf(joinPath(f.routeE, "e1234001.343")), timeOf(joinPath(f.send, "e1234001.343")));
    EXPECT_EQ(readBytes(joinPath(f.routeE, "e1234002.343")), "original e1234002.343");
    EXPECT_FALSE(pathExists(joinPath(f.routeE, "e1234003.343")));

    // The next collection finds the written-back file in the registry.
    for (const char* n : {"e1234001.343", "e1234002.343", "e1234003.343"}) {
        removeFile(joinPath(f.send, n));
    }
    f.collect();
    EXPECT_TRUE(f.collected().empty());
}

TEST(Routes, ResponseRoutingRules) {
    struct Case {
        const char* response;
        const char* sendLetter;
        bool copied;
    };
    const Case cases[] = {
        {"r1234567.123", "b", true},    {"r1234567.123", "e", false},
        {"ra1234001123", "e", true},    {"Rb1234001123", "b", false},
        {"a1234567.123", "e", true},    {"a1234567.123", "f", false},
        {"a12340000012123", "f", true}, {"A12340000012123", "E", false},
        {"x1234567.123", "s", true},    {"m1234567.err", "m", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.response) + " to " + c.sendLetter);
        EXPECT_EQ(respuestaVaARuta(c.response, c.sendLetter), c.copied);
    }
}

TEST(Routes, DistributesTheDaysResponsesToTheirRoutes) {
    CycleFixture f;
    f.state.config.set(slot::kRoutes, "1");
    const std::string b = f.dir.file("b"), e = f.dir.file("e"), fa = f.dir.file("f"),
                      e2 = f.dir.file("e2"), m = f.dir.file("m"), missing = f.dir.file("no");
    for (const std::string& d : {b, e, fa, e2, m}) {
        makeDirectory(d);
    }
    f.state.lists.set(ListId::ArchivosE, {"b", "e", "f", "e", "m", "c", "t"});
    f.state.lists.set(ListId::ArchivosR, {"r", "r", "a", "a", "R", "c", "t"});
    f.state.lists.set(ListId::ReciboLocal, {b, e, fa, e2, m, f.receive, missing});
    for (const char* n : {"r1234567.343", "ra1234001343", "a1234567.343", "a12340000012343",
                          "c1234001.343", "t1234001.343"}) {
        writeBytes(joinPath(f.receive, n), std::string("respuesta ") + n);
        f.state.lists.add(ListId::Recibidos, std::string(n) + " - 10:07:00");
    }
    f.state.lists.add(ListId::Recibidos, "r1234999.343 - 10:07:00");  // purged meanwhile
    CycleContext c = f.ctx();
    DistribuyeRespuestas(c);

    EXPECT_EQ(namesIn(b), Names{"r1234567.343"});
    EXPECT_EQ(namesIn(e), Names{"ra1234001343"});
    EXPECT_EQ(namesIn(fa), Names{"a12340000012343"});
    EXPECT_EQ(namesIn(e2), Names{"a1234567.343"});
    EXPECT_TRUE(namesIn(m).empty());
    EXPECT_EQ(readBytes(joinPath(b, "r1234567.343")), "respuesta r1234567.343");
    // The route folder that is missing: reported, the response kept.
    EXPECT_NE(f.caption(Caption::Evento).find("no se pudo copiar t1234001.343"), std::string::npos);
    EXPECT_TRUE(pathExists(joinPath(f.receive, "t1234001.343")));
    EXPECT_EQ(namesIn(f.receive).size(), 6U);
}

}  // namespace
}  // namespace torva
