// The daily log read back into the day's lists at start-up. Input: the log's
// bytes.
// Properties: every non-empty line gives one entry, a piece of its end, to
// the list of its kind; the lines the writers append after it read back as
// the entries they went with.
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "logview/CargaBitacora.h"
#include "logview/DailyLog.h"
#include "platform/Ansi.h"

namespace {

constexpr int kDay = 123;

struct Written {
    torva::LogKind kind;
    const char* name;
};

// One name of each layout the writers log.
constexpr Written kWritten[] = {
    {torva::LogKind::Enviado, "m1234001.123"},    {torva::LogKind::Enviado, "e123400.1234"},
    {torva::LogKind::Enviado, "s1234000012.123"}, {torva::LogKind::Recibido, "a1234001.err"},
    {torva::LogKind::Recibido, "M1234001.ERR"},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace torva;
    const std::string_view bytes = fuzz::asBytes(data, size);
    ConfigRecord config;
    config.set(slot::kUser, "ftpuser1234");
    config.set(slot::kReceiveDir, fuzz::scratchDir());
    const std::string path = dailyLogPath(config, kDay);
    fuzz::writeFile(path, bytes);

    Captions captions;
    Lists lists;
    CargaBitacora(config, kDay, captions, lists);
    const std::vector<std::string>& sent = lists.get(ListId::Enviados);
    const std::vector<std::string>& received = lists.get(ListId::Recibidos);
    std::size_t e = 0;
    std::size_t r = 0;
    for (const std::string& line : splitLines(bytes)) {
        if (line.empty()) {
            continue;
        }
        const bool isSent = line[0] == 'E';
        const std::vector<std::string>& list = isSent ? sent : received;
        std::size_t& k = isSent ? e : r;
        fuzz::require(k < list.size(), "every line gives an entry");
        const std::string whole = ansiToUtf8(line);
        const std::string& entry = list[k++];
        fuzz::require(entry.size() <= whole.size() &&
                          whole.compare(whole.size() - entry.size(), entry.size(), entry) == 0,
                      "an entry is the end of its line");
    }
    fuzz::require(e == sent.size() && r == received.size(), "no entry without its line");

    // The writers append whole lines; a last line cut short would take the
    // first of them.
    if (!bytes.empty() && bytes.back() != '\n' && bytes.back() != '\r') {
        return 0;
    }
    std::vector<std::string> lines;
    for (const Written& w : kWritten) {
        lines.push_back(logLine(w.kind, w.name, "12:34:56"));
    }
    fuzz::require(!appendDailyLog(path, lines), "the writers' lines are appended");
    Lists again;
    CargaBitacora(config, kDay, captions, again);
    const std::vector<std::string>& sentAgain = again.get(ListId::Enviados);
    const std::vector<std::string>& receivedAgain = again.get(ListId::Recibidos);
    fuzz::require(
        sentAgain.size() == sent.size() + 3 && receivedAgain.size() == received.size() + 2,
        "each line written gives one entry");
    std::size_t s = sent.size();
    std::size_t v = received.size();
    for (const Written& w : kWritten) {
        const std::string& entry = w.kind == LogKind::Enviado ? sentAgain[s++] : receivedAgain[v++];
        fuzz::require(entry == logEntry(w.name, "12:34:56"),
                      "a line written reads back as its entry: " + entry);
    }
    return 0;
}
