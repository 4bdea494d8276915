#include <gtest/gtest.h>

#include "cycle/BuscaRespuestas.h"
#include "PassFixture.h"

namespace torva::test {
namespace {

// Markers in Pend, listed as a pass lists them when it begins.
void mark(PassFixture& f, const std::vector<std::string>& markers) {
    for (const auto& m : markers) {
        writeBytes(joinPath(f.pend, m), "marca");
    }
    ListaPendientes(f.ctx);
}

TEST(BuscaRespuestas, FetchesEachResponseUnderItsNameAndClearsItsMarker) {
    PassFixture f;
    // marker -> response, with the default letters (m,b,c,s,t,e,f,e / m,r,c,x,t,r,a,a)
    const std::vector<std::pair<std::string, std::string>> answered = {
        {"b1234567.123", "r1234567.123"},  // b answers with r
        {"m1234567.123", "m1234567.err"},  // m answers with m: the .err name
        {"e1234567.123", "a1234567.123"},  // e with "." at the 9th place
        {"ea1234001123", "ra1234001123"},  // e without it: the first e of the list
        {"B1234568.123", "r1234568.123"},  // an upper-case letter
        {"s1234000012.045", "x1234000012.045"},
    };
    for (const auto& [marker, response] : answered) {
        mark(f, {marker});
        writeBytes(f.remoteFile("ENV/" + response), "respuesta " + response);
    }
    mark(f, {"b9999567.123", "z1234567.123", "b1234999.123"});
    writeBytes(f.remoteFile("ENV/r9999567.123"), "of another patente");

    BuscaRespuestas(f.ctx);
    for (const auto& [marker, response] : answered) {
        EXPECT_EQ(readBytes(joinPath(f.receive, response)), "respuesta " + response) << marker;
    }
    // Left: another patente's marker, a letter that is not configured, one unanswered.
    EXPECT_EQ(f.namesIn(f.pend),
              (std::vector<std::string>{"b1234999.123", "b9999567.123", "z1234567.123"}));
    EXPECT_FALSE(pathExists(joinPath(f.receive, "r9999567.123")));
    EXPECT_EQ(f.lists.get(ListId::Recibidos).size(), answered.size());
    // In the order NTFS lists the markers: b1234567 before B1234568.
    EXPECT_EQ(f.lists.get(ListId::Recibidos)[0], "r1234567.123 - 10:00:00");
    const auto log = f.linesOf(f.logPath());
    ASSERT_EQ(log.size(), answered.size());
    EXPECT_EQ(log[0], "R - r1234567.123 - 10:00:00");
    EXPECT_EQ(log[1], "R - r1234568.123 - 10:00:00");
    EXPECT_TRUE(f.dialogs.componentErrors.empty());
}

TEST(BuscaRespuestas, AnAbsentOrEmptyResponseKeepsItsMarkerUntilOneArrives) {
    PassFixture f;
    mark(f, {"b1234567.123"});
    BuscaRespuestas(f.ctx);
    EXPECT_EQ(f.captions.get(Caption::Evento), "Pendiente - r1234567.123");
    EXPECT_EQ(f.letterOffset, 1);  // numLetras of the "E" of "ENV/", as a failed download sets it

    writeBytes(f.remoteFile("ENV/r1234567.123"), "");
    BuscaRespuestas(f.ctx);
    EXPECT_FALSE(pathExists(joinPath(f.receive, "r1234567.123")));
    EXPECT_EQ(f.namesIn(f.pend), std::vector<std::string>{"b1234567.123"});
    EXPECT_TRUE(f.lists.get(ListId::Recibidos).empty());
    EXPECT_TRUE(f.linesOf(f.logPath()).empty());

    writeBytes(f.remoteFile("ENV/r1234567.123"), "ok");
    BuscaRespuestas(f.ctx);
    EXPECT_EQ(readBytes(joinPath(f.receive, "r1234567.123")), "ok");
    EXPECT_TRUE(f.namesIn(f.pend).empty());
    EXPECT_EQ(f.linesOf(f.logPath()), std::vector<std::string>{"R - r1234567.123 - 10:00:00"});
}

TEST(BuscaRespuestas, ABrokenDownloadNeverBecomesAResponse) {
    PassFixture f({"--cut-bytes", "1000"}, "cut");
    mark(f, {"b1234567.123"});
    writeBytes(f.remoteFile("ENV/r1234567.123"), std::string(200000, 'x'));

    BuscaRespuestas(f.ctx);
    EXPECT_EQ(f.namesIn(f.receive), std::vector<std::string>{"1234123.log"});
    EXPECT_EQ(f.namesIn(f.pend), std::vector<std::string>{"b1234567.123"});
    EXPECT_TRUE(f.lists.get(ListId::Recibidos).empty());
}

// The responses are put in place together once they are on the disk; one
// that cannot be keeps its marker and is told, the others go through.
TEST(BuscaRespuestas, AResponseThatCannotBePutInPlaceKeepsItsMarker) {
    PassFixture f;
    mark(f, {"b1234567.123", "b1234568.123"});
    writeBytes(f.remoteFile("ENV/r1234567.123"), "uno");
    writeBytes(f.remoteFile("ENV/r1234568.123"), "dos");
    makeDirectory(joinPath(f.receive, "r1234567.123"));

    BuscaRespuestas(f.ctx);
    EXPECT_EQ(readBytes(joinPath(f.receive, "r1234568.123")), "dos");
    EXPECT_TRUE(isDirectory(joinPath(f.receive, "r1234567.123")));
    EXPECT_EQ(f.namesIn(f.pend), std::vector<std::string>{"b1234567.123"});
    EXPECT_EQ(f.lists.get(ListId::Recibidos), std::vector<std::string>{"r1234568.123 - 10:00:00"});
    EXPECT_EQ(f.ctx.faults.failed, 1);
    EXPECT_EQ(f.namesIn(f.receive).size(), 3u);  // with the log: no temporary file left
}

TEST(BuscaRespuestas, WhenTheServerRefusesListingsEachMarkerIsTriedByItself) {
    PassFixture f({"--refuse-listings"});
    mark(f, {"b1234567.123", "b1234568.123"});
    writeBytes(f.remoteFile("ENV/r1234568.123"), "ok");

    BuscaRespuestas(f.ctx);
    EXPECT_EQ(readBytes(joinPath(f.receive, "r1234568.123")), "ok");
    EXPECT_EQ(f.namesIn(f.pend), std::vector<std::string>{"b1234567.123"});
}

TEST(BuscaRespuestas, WithoutAConnectionEveryMarkerStaysAndItIsToldOnce) {
    PassFixture f;
    mark(f, {"b1234567.123", "b1234568.123", "m1234569.123"});
    f.server->stop();

    BuscaRespuestas(f.ctx);
    EXPECT_EQ(f.captions.get(Caption::Evento).rfind("ERROR en conexión ", 0), 0u);
    EXPECT_EQ(f.dialogs.componentErrors.size(), 1u);
    EXPECT_EQ(f.namesIn(f.pend).size(), 3u);
}

// A server that keeps names in upper case lists M1234001.ERR: it is asked for
// as listed and kept under the name the marker gives.
TEST(BuscaRespuestas, AResponseListedInUpperCaseIsFetchedAsListed) {
    PassFixture f;
    mark(f, {"m1234001.123", "b1234002.123"});
    writeBytes(f.remoteFile("ENV/M1234001.ERR"), "respuesta");
    writeBytes(f.remoteFile("ENV/R1234002.123"), "otra");

    BuscaRespuestas(f.ctx);
    EXPECT_EQ(readBytes(joinPath(f.receive, "m1234001.err")), "respuesta");
    EXPECT_EQ(readBytes(joinPath(f.receive, "r1234002.123")), "otra");
    EXPECT_TRUE(f.namesIn(f.pend).empty());
}

// Another program's older response and log in upper case are the same files
// to this one: replaced and added to, never twinned.
TEST(BuscaRespuestas, TheReceiveFolderIsMatchedWithoutRegardToCase) {
    PassFixture f;
    for (int i = 0; i < 300; ++i) {
        writeBytes(joinPath(f.receive, "antiguo" + std::to_string(i) + ".err"), "");
    }
    writeBytes(joinPath(f.receive, "R1234567.123"), "anterior");
    writeBytes(joinPath(f.receive, "1234123.LOG"), "R - r1234000.123 - 09:00:00\r\n");
    writeBytes(joinPath(f.receive, "R1234569.123"), "protegida");
    ASSERT_FALSE(setReadOnly(joinPath(f.receive, "R1234569.123"), true));
    mark(f, {"b1234567.123", "b1234568.123", "b1234569.123"});
    writeBytes(f.remoteFile("ENV/r1234567.123"), "nueva");
    writeBytes(f.remoteFile("ENV/r1234568.123"), "otra");
    writeBytes(f.remoteFile("ENV/r1234569.123"), "no cabe");

    BuscaRespuestas(f.ctx);
    EXPECT_EQ(readBytes(joinPath(f.receive, "R1234567.123")), "nueva");
    EXPECT_EQ(readBytes(joinPath(f.receive, "r1234568.123")), "otra");
    // A read-only one is kept as it was, and its marker waits.
    EXPECT_EQ(readBytes(joinPath(f.receive, "R1234569.123")), "protegida");
    EXPECT_EQ(f.namesIn(f.receive).size(), 304u);
    EXPECT_EQ(
        f.linesOf(joinPath(f.receive, "1234123.LOG")),
        (std::vector<std::string>{"R - r1234000.123 - 09:00:00", "R - r1234567.123 - 10:00:00",
                                  "R - r1234568.123 - 10:00:00"}));
    EXPECT_EQ(f.namesIn(f.pend), std::vector<std::string>{"b1234569.123"});
    EXPECT_EQ(f.ctx.faults.failed, 1);
    (void)setReadOnly(joinPath(f.receive, "R1234569.123"), false);
}

// The responses are kept and their markers go; the log's failure is what
// the status line shows at the end.
TEST(BuscaRespuestas, ALogThatCannotBeWrittenIsToldAfterTheResponses) {
    PassFixture f;
    makeDirectory(f.logPath());
    mark(f, {"b1234567.123", "b1234568.123"});
    writeBytes(f.remoteFile("ENV/r1234567.123"), "uno");
    writeBytes(f.remoteFile("ENV/r1234568.123"), "dos");

    BuscaRespuestas(f.ctx);
    EXPECT_EQ(readBytes(joinPath(f.receive, "r1234568.123")), "dos");
    EXPECT_TRUE(f.namesIn(f.pend).empty());
    EXPECT_EQ(f.lists.get(ListId::Recibidos).size(), 2u);
    EXPECT_EQ(f.captions.get(Caption::Evento), "ERROR, no se pudo escribir en " + f.logPath());
}

// A marker that cannot be removed is told; its response and the others'
// bookkeeping stand.
TEST(BuscaRespuestas, AMarkerThatCannotBeRemovedIsTold) {
    PassFixture f;
    mark(f, {"b1234567.123", "b1234568.123"});
    ASSERT_FALSE(setReadOnly(joinPath(f.pend, "b1234567.123"), true));
    writeBytes(f.remoteFile("ENV/r1234567.123"), "uno");
    writeBytes(f.remoteFile("ENV/r1234568.123"), "dos");

    BuscaRespuestas(f.ctx);
    EXPECT_EQ(readBytes(joinPath(f.receive, "r1234567.123")), "uno");
    EXPECT_EQ(f.namesIn(f.pend), std::vector<std::string>{"b1234567.123"});
    EXPECT_EQ(f.captions.get(Caption::Evento),
              "ERROR, no se pudo borrar la marca " + joinPath(f.pend, "b1234567.123"));
    EXPECT_EQ(f.linesOf(f.logPath()).size(), 2u);
    (void)setReadOnly(joinPath(f.pend, "b1234567.123"), false);
}

TEST(BuscaRespuestas, AnEmptyPendingFolderLeavesTheLogAlone) {
    PassFixture f;
    BuscaRespuestas(f.ctx);
    EXPECT_FALSE(pathExists(f.logPath()));
    EXPECT_FALSE(f.client.IsConnected());
}

}  // namespace
}  // namespace torva::test
