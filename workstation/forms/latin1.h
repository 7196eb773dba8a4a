// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The logic's texts are Latin-1, as the files and the described windows are.
#include <QString>

#include <string_view>

namespace scalvo {

inline QString latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace scalvo
