// What a quoted field of the data file can carry: no double quote (it would end the field) and
// no line break (it would end the record). Names of best scores and of colours follow this rule.
#pragma once

#include <string>
#include <string_view>

namespace zendrix {

// A double quote becomes a single quote, CR and LF a blank.
inline std::string SanitiseName(std::string_view name) {
    std::string result(name);
    for (char& ch : result) {
        if (ch == '"') ch = '\'';
        if (ch == '\r' || ch == '\n') ch = ' ';
    }
    return result;
}

}  // namespace zendrix
