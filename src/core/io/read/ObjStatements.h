#pragma once

#include "io/read/TextWords.h"

#include <cstring>
#include <string>
#include <string_view>

namespace lumeno {

// The statements of OBJ and MTL text, which share their form: a keyword and its words.

// The words of one statement after another, read in place. A statement ends with its line or
// at a '#'; a word that ends in a backslash with only blanks after it on its line goes on with
// the next line (a lone backslash is no word).
class Statements
{
public:
    explicit Statements(std::string_view text) : at(text.data()), end(text.data() + text.size()) {}

    // The first word of the next statement that has one; false at the end of the text. What
    // was not read of the statement before is skipped.
    bool Keyword(std::string_view &keyword)
    {
        if (inStatement) {
            std::string_view rest;
            while (Word(rest)) {
            }
            if (at < end)
                ++at; // the line feed
        }
        inStatement = true;
        while (at < end) {
            if (Word(keyword))
                return true;
            if (at < end)
                ++at;
        }
        return false;
    }

    // The next word of the statement; false at its end, which stays at its line feed.
    bool Word(std::string_view &word)
    {
        while (true) {
            while (at < end && IsBlank(*at))
                ++at;
            if (at == end || *at == '\n')
                return false;
            if (*at == '#') {
                const void *lineFeed = std::memchr(at, '\n', size_t(end - at));
                at = lineFeed ? static_cast<const char *>(lineFeed) : end;
                return false;
            }
            const char *start = at;
            while (at < end && !IsBlank(*at) && *at != '\n' && *at != '#')
                ++at;
            const char *stop = at;
            if (stop[-1] == '\\' && ContinuesOnNextLine()) {
                --stop;
                if (stop == start)
                    continue;
            }
            word = std::string_view(start, size_t(stop - start));
            return true;
        }
    }

private:
    // Whether only blanks follow on this line; if so, moves to the start of the next.
    bool ContinuesOnNextLine()
    {
        const char *next = at;
        while (next < end && IsBlank(*next))
            ++next;
        if (next < end && *next != '\n')
            return false;
        at = next < end ? next + 1 : end;
        return true;
    }

    const char *at;
    const char *end;
    bool inStatement = false;
};

// The words left in the statement, one blank between each: a name that may hold blanks
// ("usemtl Old Wood", "map_Kd my texture.png").
std::string RestOfStatement(Statements &statements);

// A number that a float holds; '+' may lead. A value too small for a float becomes 0 or the
// nearest subnormal, one too large or no finite number fails.
bool ToFloat(std::string_view word, float &value);

} // namespace lumeno
