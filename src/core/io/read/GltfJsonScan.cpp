#include "io/read/GltfJsonScan.h"

#include "io/read/FolderUri.h"

#include <algorithm>
#include <cstring>
#include <tuple>

namespace lumeno {

namespace {

// Long enough for every name the scan looks for, escaped.
constexpr size_t LongestKeyDecoded = 128;

// glTF 1.0 held these by name in objects; glTF 2.0 holds them in arrays.
bool IsVersion1Dictionary(const std::string &key)
{
    static const char *const names[] = {"accessors", "animations", "buffers",  "bufferViews", "cameras",
                                        "images",    "materials",  "meshes",   "nodes",       "programs",
                                        "samplers",  "scenes",     "shaders",  "skins",       "techniques",
                                        "textures"};
    return std::any_of(std::begin(names), std::end(names), [&key](const char *name) { return key == name; });
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool ReadHex4(std::string_view raw, size_t at, unsigned &value)
{
    if (at + 4 > raw.size())
        return false;
    value = 0;
    for (size_t i = at; i < at + 4; ++i) {
        const int digit = HexValue(raw[i]);
        if (digit < 0)
            return false;
        value = value * 16 + unsigned(digit);
    }
    return true;
}

void AppendUtf8(unsigned code, std::string &out)
{
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xF0 | (code >> 18));
        out += char(0x80 | ((code >> 12) & 0x3F));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

enum class Container { Object, Array };

struct Frame
{
    Container container;
    std::string key; // the current member's name, in the top levels only
};

enum class Expect { Value, KeyOrEnd, Key, ValueOrEnd, CommaOrEnd, Nothing };

enum class ValueKind { Object, Array, String, Other };

class Scanner
{
public:
    explicit Scanner(std::string_view json) : text(json) {}

    GltfJsonLayout Run()
    {
        if (text.substr(0, 3) == "\xEF\xBB\xBF")
            at = 3;
        SkipSpace();
        if (at >= text.size() || text[at] != '{')
            return Problem(GltfJsonProblem::NotJson);
        Expect expect = Expect::Value;
        while (expect != Expect::Nothing) {
            SkipSpace();
            if (at >= text.size())
                return Problem(GltfJsonProblem::NotJson);
            const char c = text[at];
            switch (expect) {
            case Expect::KeyOrEnd:
            case Expect::ValueOrEnd:
                if (c == (expect == Expect::KeyOrEnd ? '}' : ']')) {
                    ++at;
                    frames.pop_back();
                    expect = After();
                    break;
                }
                if (expect == Expect::ValueOrEnd) {
                    expect = Expect::Value;
                    break;
                }
                [[fallthrough]];
            case Expect::Key: {
                JsonSpan key;
                if (c != '"' || !ScanString(key))
                    return Problem(GltfJsonProblem::NotJson);
                OnKey(key);
                SkipSpace();
                if (at >= text.size() || text[at] != ':')
                    return Problem(GltfJsonProblem::NotJson);
                ++at;
                expect = Expect::Value;
                break;
            }
            case Expect::Value:
                if (c == '{' || c == '[') {
                    OnValue(c == '{' ? ValueKind::Object : ValueKind::Array, {at + 1, at + 1});
                    ++at;
                    if (frames.size() >= size_t(MaxGltfJsonDepth))
                        return Problem(GltfJsonProblem::TooDeep);
                    frames.push_back({c == '{' ? Container::Object : Container::Array, {}});
                    expect = c == '{' ? Expect::KeyOrEnd : Expect::ValueOrEnd;
                } else if (c == '"') {
                    JsonSpan value;
                    if (!ScanString(value))
                        return Problem(GltfJsonProblem::NotJson);
                    OnValue(ValueKind::String, value);
                    expect = After();
                } else {
                    JsonSpan value;
                    if (!ScanScalar(value))
                        return Problem(GltfJsonProblem::NotJson);
                    OnValue(ValueKind::Other, value);
                    expect = After();
                }
                break;
            case Expect::CommaOrEnd: {
                const Container container = frames.back().container;
                if (c == ',') {
                    ++at;
                    expect = container == Container::Object ? Expect::Key : Expect::Value;
                } else if (c == (container == Container::Object ? '}' : ']')) {
                    ++at;
                    frames.pop_back();
                    expect = After();
                } else {
                    return Problem(GltfJsonProblem::NotJson);
                }
                break;
            }
            case Expect::Nothing:
                break;
            }
        }
        SkipSpace();
        if (at != text.size())
            return Problem(GltfJsonProblem::NotJson);
        if (version1 || (!hasVersion && version1Layout))
            layout.problem = GltfJsonProblem::Version1;
        return layout;
    }

private:
    GltfJsonLayout Problem(GltfJsonProblem problem)
    {
        GltfJsonLayout failed;
        failed.problem = problem;
        return failed;
    }

    Expect After() const { return frames.empty() ? Expect::Nothing : Expect::CommaOrEnd; }

    void SkipSpace()
    {
        while (at < text.size() && (text[at] == ' ' || text[at] == '\n' || text[at] == '\r' || text[at] == '\t'))
            ++at;
    }

    // From the opening quote to past the closing one; the span holds what lies between.
    bool ScanString(JsonSpan &span)
    {
        const char *p = text.data() + at + 1;
        const char *const end = text.data() + text.size();
        while (p < end && *p != '"') {
            if (*p == '\\')
                ++p;
            else if (static_cast<unsigned char>(*p) < 0x20)
                return false;
            ++p;
        }
        if (p >= end)
            return false;
        span = {at + 1, size_t(p - text.data())};
        at = span.end + 1;
        return true;
    }

    // A number or true, false, null; the parser checks their form.
    bool ScanScalar(JsonSpan &span)
    {
        const size_t begin = at;
        while (at < text.size() && std::strchr("+-.0123456789eEtruefalsn", text[at]) && text[at] != '\0')
            ++at;
        span = {begin, at};
        return at > begin;
    }

    std::string_view Raw(const JsonSpan &span) const { return text.substr(span.begin, span.end - span.begin); }

    // The frame at this level (1 for the root object's members), when it exists and holds
    // members under this name.
    bool ObjectMember(size_t level, const char *key) const
    {
        return frames.size() >= level && frames[level - 1].container == Container::Object &&
               frames[level - 1].key == key;
    }

    bool ArrayOf(size_t level, const char *rootKey) const
    {
        return frames.size() >= level && frames[level - 1].container == Container::Array &&
               ObjectMember(level - 1, rootKey);
    }

    void OnKey(const JsonSpan &span)
    {
        Frame &frame = frames.back();
        frame.key.clear();
        if (frames.size() <= 3 && span.end - span.begin <= LongestKeyDecoded && !DecodeJsonString(Raw(span), frame.key))
            frame.key.clear();
        if (frames.size() == 3 && ArrayOf(2, "buffers"))
            layout.buffers.back().hasMembers = true;
    }

    void OnValue(ValueKind kind, const JsonSpan &span)
    {
        const size_t level = frames.size();
        if (level == 1) {
            const std::string &key = frames[0].key;
            if ((kind == ValueKind::Object && IsVersion1Dictionary(key)) || (key == "scene" && kind == ValueKind::String))
                version1Layout = true;
        } else if (level == 2 && ArrayOf(2, "buffers")) {
            GltfJsonBuffer buffer;
            buffer.isObject = kind == ValueKind::Object;
            buffer.objectBegin = span.begin;
            layout.buffers.push_back(buffer);
        } else if (level == 2 && ObjectMember(2, "version") && ObjectMember(1, "asset") && kind == ValueKind::String) {
            std::string version;
            hasVersion = true;
            version1 = span.end - span.begin <= LongestKeyDecoded && DecodeJsonString(Raw(span), version) &&
                       (version == "1" || version.compare(0, 2, "1.") == 0);
        } else if (level == 3 && ArrayOf(2, "buffers") && frames[2].container == Container::Object) {
            GltfJsonBuffer &buffer = layout.buffers.back();
            if (frames[2].key == "uri") {
                if (kind == ValueKind::String)
                    buffer.uris.push_back(span);
                else
                    buffer.uriNotString = true;
            } else if (frames[2].key == "byteLength") {
                buffer.byteLength = kind == ValueKind::Other ? std::string(Raw(span)) : std::string();
            }
        } else if (level == 3 && ArrayOf(2, "images") && ObjectMember(3, "uri") && kind == ValueKind::String) {
            const std::string_view uri = Raw(span);
            if (IsDataUri(uri))
                layout.imageDataUris.push_back(span);
        }
    }

    std::string_view text;
    size_t at = 0;
    std::vector<Frame> frames;
    GltfJsonLayout layout;
    bool hasVersion = false;
    bool version1 = false;
    bool version1Layout = false;
};

} // namespace

GltfJsonLayout ScanGltfJson(std::string_view json)
{
    return Scanner(json).Run();
}

std::string GltfBufferName(size_t index)
{
    return "lumeno-buffer-" + std::to_string(index);
}

std::string GltfEmbeddedImageName(size_t index)
{
    return GltfEmbeddedImagePrefix + std::to_string(index);
}

std::string JsonWithBufferNames(std::string_view json, const GltfJsonLayout &layout)
{
    // (where, how much is replaced, by what), in the order of the text
    std::vector<std::tuple<size_t, size_t, std::string>> edits;
    for (size_t i = 0; i < layout.buffers.size(); ++i) {
        const GltfJsonBuffer &buffer = layout.buffers[i];
        if (!buffer.isObject)
            continue;
        if (buffer.uris.empty())
            edits.emplace_back(buffer.objectBegin, 0,
                               "\"uri\":\"" + GltfBufferName(i) + "\"" + (buffer.hasMembers ? "," : ""));
        for (const JsonSpan &uri : buffer.uris)
            edits.emplace_back(uri.begin, uri.end - uri.begin, GltfBufferName(i));
    }
    for (size_t i = 0; i < layout.imageDataUris.size(); ++i) {
        const JsonSpan &uri = layout.imageDataUris[i];
        edits.emplace_back(uri.begin, uri.end - uri.begin, GltfEmbeddedImageName(i));
    }
    std::sort(edits.begin(), edits.end());
    std::string out;
    size_t kept = json.size();
    for (const auto &edit : edits)
        kept -= std::get<1>(edit);
    out.reserve(kept + 64 * edits.size());
    size_t at = 0;
    for (const auto &[where, length, text] : edits) {
        out.append(json.substr(at, where - at));
        out.append(text);
        at = where + length;
    }
    out.append(json.substr(at));
    return out;
}

bool DecodeJsonString(std::string_view raw, std::string &out)
{
    out.clear();
    out.reserve(raw.size());
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\\') {
            out += raw[i];
            continue;
        }
        if (++i >= raw.size())
            return false;
        switch (raw[i]) {
        case '"':
        case '\\':
        case '/':
            out += raw[i];
            break;
        case 'b':
            out += '\b';
            break;
        case 'f':
            out += '\f';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        case 'u': {
            unsigned code = 0;
            if (!ReadHex4(raw, i + 1, code))
                return false;
            i += 4;
            if (code >= 0xD800 && code < 0xDC00) {
                unsigned low = 0;
                if (i + 2 >= raw.size() || raw[i + 1] != '\\' || raw[i + 2] != 'u' || !ReadHex4(raw, i + 3, low) ||
                    low < 0xDC00 || low > 0xDFFF)
                    return false;
                i += 6;
                code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
            } else if (code >= 0xDC00 && code <= 0xDFFF) {
                return false;
            }
            AppendUtf8(code, out);
            break;
        }
        default:
            return false;
        }
    }
    return true;
}

} // namespace lumeno
