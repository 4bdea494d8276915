#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "logview/MuestraArchivo.h"

namespace torva {
namespace {

std::vector<std::size_t> rowLengths(const ViewerDocument& doc) {
    std::vector<std::size_t> out;
    for (std::size_t i = 0; i < doc.rows.size(); ++i) {
        out.push_back(doc.rows.ansi(i).size());
    }
    return out;
}

std::string chars(std::size_t n, char c = 'x') {
    return std::string(n, c);
}

// How lines become rows and which rows the wrap table records.
TEST(ViewerRows, LinesBecomeRowsAndWrapsAreRecorded) {
    struct Case {
        const char* what;
        std::string bytes;
        std::vector<std::size_t> rows;
        std::vector<std::uint32_t> wraps;
    };
    const Case cases[] = {
        {"100 characters: one row", chars(100) + "\r\n", {100}, {}},
        {"101 characters: one row", chars(101) + "\r\n", {101}, {}},
        {"250 characters: 102, 102, 46", chars(250) + "\r\n", {102, 102, 46}, {1, 1}},
        // No row follows the one closed at the limit, so nothing is recorded.
        {"102 characters: one row, no wrap", chars(102) + "\r\nb\r\n", {102, 1}, {}},
        {"204 characters: two rows", chars(204) + "\r\n", {102, 102}, {1}},
        {"second line wraps", "a\r\n" + chars(150) + "\r\nb\r\n", {1, 102, 48, 1}, {2}},
        {"LF-only ends: a row per LF, no wrap", "ab\ncd\ne\n", {2, 2, 1}, {}},
        {"LF-only with a long line", "a\n" + chars(110) + "\nb", {1, 102, 8, 1}, {2}},
        {"an LF right after a full row ends an empty row",
         chars(102) + "\nz\r\n",
         {102, 0, 1},
         {1}},
        {"empty rows between LFs", "a\n\nb\r\n", {1, 0, 1}, {}},
        {"CR alone ends a line", "a\rbb\rccc", {1, 2, 3}, {}},
        {"empty lines are rows", "\r\n\r\nx\r\n", {0, 0, 1}, {}},
        {"a CR followed by CR LF", "a\r\r\nb", {1, 0, 1}, {}},
        {"last line without its end", "a\r\nlast", {1, 4}, {}},
        {"empty file", "", {}, {}},
        {"32000 characters: one row", chars(32000) + "\r\nz\r\n", {48, 1}, {}},
        {"31999 characters are wrapped", chars(31999),
         [] {
             std::vector<std::size_t> rows(313, 102);
             rows.push_back(31999 - 313 * 102);
             return rows;
         }(),
         std::vector<std::uint32_t>(313, 1)},
        // Between LFs a long piece is judged on its own, not with the whole file.
        {"LF-only file over 32000 characters",
         [] {
             std::string s;
             for (int i = 0; i < 400; ++i) {
                 s += chars(99) + "\n";
             }
             return s;
         }(),
         std::vector<std::size_t>(400, 99),
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ViewerDocument doc = splitViewerRows(c.bytes);
        EXPECT_EQ(rowLengths(doc), c.rows);
        EXPECT_EQ(doc.wraps.entries(), c.wraps);
    }
}

TEST(ViewerRows, RowsKeepTheirTextAndTheLongLineRowSaysSo) {
    const std::string line = chars(102, 'a') + chars(102, 'b') + chars(46, 'c');
    const ViewerDocument doc =
        splitViewerRows("uno\r\n" + line + "\r\n" + chars(40000) + "\r\nAcci\xf3n\r\n");
    ASSERT_EQ(doc.rows.size(), 6u);
    EXPECT_EQ(doc.rows.text(0), "uno");
    EXPECT_EQ(doc.rows.text(1), chars(102, 'a'));
    EXPECT_EQ(doc.rows.text(2), chars(102, 'b'));
    EXPECT_EQ(doc.rows.text(3), chars(46, 'c'));
    EXPECT_EQ(doc.rows.text(4), kRegistroDemasiadoGrande);
    EXPECT_EQ(doc.rows.text(5), "Acción");
    EXPECT_EQ(doc.wraps.entries(), (std::vector<std::uint32_t>{2, 2}));
}

// The file arrives in pieces of any size, a CR LF split between two of them
// included: the rows are those of the whole text.
TEST(ViewerRows, PiecesOfAnySizeGiveTheSameRows) {
    std::string text;
    for (int i = 0; i < 60; ++i) {
        text += chars(static_cast<std::size_t>(i * 7 % 230), static_cast<char>('a' + i % 26));
        text += i % 5 == 0 ? "\n" : (i % 7 == 0 ? "\r" : "\r\n");
    }
    const ViewerDocument whole = splitViewerRows(text);
    for (std::size_t piece : {1u, 2u, 3u, 101u, 4096u}) {
        SCOPED_TRACE(piece);
        ViewerRowSplitter splitter;
        for (std::size_t i = 0; i < text.size(); i += piece) {
            splitter.feed(std::string_view(text).substr(i, piece));
        }
        splitter.finish();
        const ViewerDocument doc = splitter.take();
        ASSERT_EQ(doc.rows.size(), whole.rows.size());
        for (std::size_t r = 0; r < doc.rows.size(); ++r) {
            ASSERT_EQ(doc.rows.ansi(r), whole.rows.ansi(r)) << r;
        }
        EXPECT_EQ(doc.wraps, whole.wraps);
    }
}

}  // namespace
}  // namespace torva
