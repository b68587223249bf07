#include "io/read/ObjStatements.h"

#include <charconv>
#include <cmath>

namespace lumeno {

std::string RestOfStatement(Statements &statements)
{
    std::string rest;
    std::string_view word;
    while (statements.Word(word)) {
        if (!rest.empty())
            rest += ' ';
        rest.append(word);
    }
    return rest;
}

bool ToFloat(std::string_view word, float &value)
{
    const char *first = word.data();
    const char *const last = first + word.size();
    if (first < last && *first == '+') {
        ++first;
        if (first < last && *first == '-')
            return false;
    }
    const auto [stop, error] = std::from_chars(first, last, value);
    if (stop != last || first == last)
        return false;
    if (error == std::errc::result_out_of_range) {
        double wide = 0;
        const auto [wideStop, wideError] = std::from_chars(first, last, wide);
        if (wideError != std::errc() || wideStop != last || !(std::abs(wide) < 1))
            return false;
        value = float(wide);
        return true;
    }
    return error == std::errc() && std::isfinite(value);
}


} // namespace lumeno
