#pragma once

#include <string_view>
#include <vector>

namespace lumeno {

// A blank between the words of a text format's line (the line feed ends the line instead).
inline bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

// Adds the blank-separated words of one line to `words`.
inline void AppendWords(std::string_view line, std::vector<std::string_view> &words)
{
    for (size_t i = 0; i < line.size();) {
        while (i < line.size() && IsBlank(line[i]))
            ++i;
        const size_t start = i;
        while (i < line.size() && !IsBlank(line[i]))
            ++i;
        if (i > start)
            words.push_back(line.substr(start, i - start));
    }
}

inline std::vector<std::string_view> Words(std::string_view line)
{
    std::vector<std::string_view> words;
    AppendWords(line, words);
    return words;
}

} // namespace lumeno
