// SPDX-License-Identifier: GPL-3.0-or-later
// Tabulor's line splitter fed the same bytes in chunks of any sizes gives the same lines as fed
// whole: a CR LF split across two chunks, or a line longer than what is kept, must not change a
// line.
#include "line_splitter.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr std::size_t keep = 170;

std::vector<std::string> split(std::string_view bytes, const std::vector<std::size_t>& chunks) {
    tabulor::LineSplitter splitter(keep);
    std::vector<std::string> lines;
    auto on_line = [&](std::string_view line) {
        if (line.size() > keep)
            std::abort();
        lines.emplace_back(line);
    };
    std::size_t at = 0;
    for (std::size_t k = 0; at < bytes.size(); ++k) {
        const std::size_t length = chunks.empty() ? bytes.size() : chunks[k % chunks.size()];
        splitter.feed(bytes.substr(at, length), on_line);
        at += length;
    }
    splitter.finish(on_line);
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    // The first bytes choose the chunk sizes (1 ... 256), the rest is the file.
    const std::size_t count = data[0] % 8 + 1;
    if (size < 1 + count)
        return 0;
    std::vector<std::size_t> chunks;
    for (std::size_t k = 0; k < count; ++k)
        chunks.push_back(std::size_t{data[1 + k]} + 1);
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1 + count, size - 1 - count);
    const auto whole = split(bytes, {});
    if (split(bytes, chunks) != whole)
        std::abort();
    // One line per line break, and one more for a last line without one.
    std::size_t breaks = 0;
    for (char c : bytes)
        breaks += c == '\n';
    const bool open_end = !bytes.empty() && bytes.back() != '\n';
    if (whole.size() != breaks + (open_end ? 1 : 0))
        std::abort();
    return 0;
}
