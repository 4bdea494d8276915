// Line repair of a pedimento file. Input: one byte for the header length H
// (0 to 39), then the file's bytes.
// Properties: every output line ends in CR LF and holds no other CR or LF; no
// line is empty; every 801 record of the input comes out as one line ending
// in its first fields and the prevalidator key as its fifth.
#include <cstdint>
#include <string>
#include <vector>

#include "cycle/LineRepair.h"
#include "cycle/PrevalidatorKey.h"
#include "fuzz/FuzzSupport.h"

namespace {

// The 801 records the repair must write, in order: at most one per line (a
// line ends at CR or CR LF), the first of its LF pieces that begins with
// "801|", kept up to its fourth "|", with the key as its fifth field.
std::vector<std::string> expectedRecords(std::string_view bytes) {
    std::vector<std::string> records;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\r', start);
        if (end == std::string_view::npos) {
            end = bytes.size();
        }
        const std::string_view line = bytes.substr(start, end - start);
        std::size_t piece = 0;
        while (piece < line.size()) {
            const std::size_t lf = std::min(line.find('\n', piece), line.size());
            const std::string_view text = line.substr(piece, lf - piece);
            if (text.substr(0, 4) == "801|") {
                std::string record;
                int pipes = 0;
                for (std::size_t k = 0; k < text.size() && pipes < 4; ++k) {
                    record += text[k];
                    pipes += text[k] == '|' ? 1 : 0;
                }
                if (record.back() != '|') {
                    record += '|';
                }
                records.push_back(record + std::string(torva::kClavePrevalidador) + "|");
                break;
            }
            piece = lf + 1;
        }
        start = end + 1;
        if (start < bytes.size() && bytes[start] == '\n') {
            ++start;
        }
    }
    return records;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace torva;
    if (size == 0) {
        return 0;
    }
    const double headerLength = data[0] % 40;
    const std::string_view bytes = fuzz::asBytes(data + 1, size - 1);
    const std::string out = ajustaContenido(bytes, headerLength);

    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < out.size()) {
        const std::size_t end = out.find("\r\n", start);
        fuzz::require(end != std::string::npos, "the output ends in CR LF");
        const std::string_view line = std::string_view(out).substr(start, end - start);
        fuzz::require(!line.empty(), "no output line is empty");
        fuzz::require(line.find_first_of("\r\n") == std::string_view::npos,
                      "no CR or LF inside an output line");
        lines.push_back(line);
        start = end + 2;
    }

    std::size_t next = 0;
    for (const std::string& record : expectedRecords(bytes)) {
        while (next < lines.size() &&
               !(lines[next].size() >= record.size() &&
                 lines[next].substr(lines[next].size() - record.size()) == record)) {
            ++next;
        }
        fuzz::require(next < lines.size(),
                      "the 801 record " + record + " ends an output line, in order");
        ++next;
    }
    fuzz::require(bytes.find_first_not_of("\r\n") != std::string_view::npos || out.empty(),
                  "a file of line ends alone repairs to nothing");
    return 0;
}
