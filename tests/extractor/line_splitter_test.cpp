// SPDX-License-Identifier: GPL-3.0-or-later
#include "line_splitter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Case {
    const char* name;
    std::string stream;
    std::vector<std::string> lines;
    std::size_t bare_line_feeds = 0;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

std::vector<std::string> split(const std::string& stream, std::size_t chunk, std::size_t keep,
                               std::size_t* bare_line_feeds = nullptr) {
    std::vector<std::string> lines;
    auto on_line = [&](std::string_view line) { lines.emplace_back(line); };
    tabulor::LineSplitter splitter(keep);
    for (std::size_t at = 0; at < stream.size(); at += chunk) {
        splitter.feed(std::string_view(stream).substr(at, chunk), on_line);
    }
    splitter.finish(on_line);
    if (bare_line_feeds)
        *bare_line_feeds = splitter.bare_line_feeds();
    return lines;
}

class Splitter : public ::testing::TestWithParam<Case> {};

// Chunk borders fall anywhere in a file, also between a CR and its LF.
TEST_P(Splitter, SameLinesForEveryChunkSize) {
    const Case& c = GetParam();
    for (std::size_t chunk = 1; chunk <= c.stream.size() + 1; ++chunk) {
        std::size_t bare = 0;
        EXPECT_EQ(split(c.stream, chunk, 4, &bare), c.lines) << "chunk " << chunk;
        EXPECT_EQ(bare, c.bare_line_feeds) << "chunk " << chunk;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Splitter,
    ::testing::Values(Case{"CrLf", "ab\r\ncd\r\n", {"ab", "cd"}},
                      Case{"Lf", "ab\ncd\n", {"ab", "cd"}, 2},
                      Case{"NoFinalBreak", "ab\r\ncd", {"ab", "cd"}},
                      Case{"CrAtEnd", "ab\r\ncd\r", {"ab", "cd"}},
                      Case{"LoneCrIsContent", "a\rb\n", {"a\rb"}, 1},
                      Case{"OnlyOneCrIsBreak", "a\r\r\n", {"a\r"}},
                      Case{"EmptyLines", "\n\r\n\n", {"", "", ""}, 2}, Case{"Nothing", "", {}},
                      Case{"KeptFits", "abcd\r\nx", {"abcd", "x"}},
                      Case{"LongLineCut", "abcdefgh\r\nabcde\r", {"abcd", "abcd"}},
                      Case{"LongLineEndsInLf", "abcdefgh\nabcdefgh\r\n", {"abcd", "abcd"}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
