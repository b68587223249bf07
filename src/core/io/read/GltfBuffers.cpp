#include "io/read/GltfBuffers.h"

#include "io/read/FolderUri.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <limits>

namespace lumeno {

namespace {

// A name as a message shows it: long ones (a URI can be megabytes) cut short.
QString ShownName(const QString &name)
{
    constexpr int longest = 200;
    return name.size() <= longest ? name : name.left(longest) + QChar(0x2026);
}

bool ParseLength(const std::string &text, size_t &length)
{
    if (text.empty() || text.size() > 15 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    length = size_t(std::stoull(text));
    return true;
}

int Base64Value(unsigned char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+' || c == '-')
        return 62;
    if (c == '/' || c == '_')
        return 63;
    return -1;
}

// Decodes straight into a buffer of exactly `length` bytes: the encoded form is never copied.
bool DecodeBase64(std::string_view text, size_t length, std::vector<unsigned char> &out)
{
    while (!text.empty() && text.back() == '=' && text.size() % 4 != 1)
        text.remove_suffix(1);
    const size_t whole = text.size() / 4, rest = text.size() % 4;
    if (rest == 1 || whole * 3 + (rest == 0 ? 0 : rest - 1) != length)
        return false;
    out.resize(length);
    unsigned char *to = out.data();
    unsigned bits = 0;
    int held = 0;
    for (unsigned char c : text) {
        const int value = Base64Value(c);
        if (value < 0)
            return false;
        bits = (bits << 6) | unsigned(value);
        held += 6;
        if (held >= 8) {
            held -= 8;
            *to++ = static_cast<unsigned char>(bits >> held);
        }
    }
    return true;
}

bool DecodePercent(std::string_view text, size_t length, std::vector<unsigned char> &out)
{
    if (text.size() > size_t(std::numeric_limits<int>::max()))
        return false;
    const QByteArray decoded = QByteArray::fromPercentEncoding(QByteArray(text.data(), int(text.size())));
    if (size_t(decoded.size()) != length)
        return false;
    out.assign(decoded.begin(), decoded.end());
    return true;
}

// "data:[<media type>][;base64],<data>"
bool DecodeDataUri(std::string_view uri, size_t length, std::vector<unsigned char> &out)
{
    const size_t comma = uri.find(',');
    if (comma == std::string_view::npos)
        return false;
    const QByteArray header = QByteArray(uri.data(), int(comma)).toLower();
    const std::string_view data = uri.substr(comma + 1);
    return header.endsWith(";base64") ? DecodeBase64(data, length, out) : DecodePercent(data, length, out);
}

class BufferLoader
{
public:
    BufferLoader(std::string_view text, const QString &modelFolder, const std::string_view *binChunk)
        : json(text), folder(modelFolder), bin(binChunk)
    {
    }

    bool Load(const GltfJsonBuffer &buffer, std::vector<unsigned char> &out)
    {
        size_t length = 0;
        if (!buffer.isObject || buffer.uriNotString || !ParseLength(buffer.byteLength, length) || length == 0)
            return Fail(ReadFailure::DamagedFile);
        if (buffer.uris.empty()) {
            if (!bin || bin->size() < length)
                return Fail(ReadFailure::DamagedFile);
            out.assign(bin->begin(), bin->begin() + long(length));
            return true;
        }
        const JsonSpan &span = buffer.uris.back();
        std::string_view uri = json.substr(span.begin, span.end - span.begin);
        std::string unescaped;
        if (uri.find('\\') != std::string_view::npos) {
            if (!DecodeJsonString(uri, unescaped))
                return Fail(ReadFailure::DamagedFile);
            uri = unescaped;
        }
        if (IsDataUri(uri))
            return DecodeDataUri(uri, length, out) || Fail(ReadFailure::DamagedFile);
        return ReadFile(uri, length, out);
    }

    ReadFailure failure = ReadFailure::None;
    QString detail;

private:
    bool ReadFile(std::string_view uri, size_t length, std::vector<unsigned char> &out)
    {
        const QString path = PathInFolder(folder, uri);
        if (path.isEmpty())
            return Fail(ReadFailure::OutsideFolder, ShownName(DecodedUri(uri)));
        const QString name = ShownName(QDir(folder).relativeFilePath(path));
        const QFileInfo info(path);
        if (!info.exists())
            return Fail(ReadFailure::MissingDataFile, name);
        if (!StaysInsideFolder(folder, path))
            return Fail(ReadFailure::OutsideFolder, name);
        // A pipe or a device is never opened.
        QFile file(path);
        if (!info.isFile() || !file.open(QIODevice::ReadOnly))
            return Fail(ReadFailure::MissingDataFile, name);
        if (file.size() != qint64(length))
            return Fail(ReadFailure::DamagedFile);
        out.resize(length);
        if (file.read(reinterpret_cast<char *>(out.data()), qint64(length)) != qint64(length))
            return Fail(ReadFailure::MissingDataFile, name);
        return true;
    }

    bool Fail(ReadFailure why, const QString &what = QString())
    {
        failure = why;
        detail = what;
        return false;
    }

    std::string_view json;
    QString folder;
    const std::string_view *bin;
};

} // namespace

GltfBufferData LoadGltfBuffers(std::string_view json, const GltfJsonLayout &layout, const QString &folder,
                               const std::string_view *bin)
{
    GltfBufferData data;
    BufferLoader loader(json, folder, bin);
    data.buffers.resize(layout.buffers.size());
    for (size_t i = 0; i < layout.buffers.size(); ++i)
        if (!loader.Load(layout.buffers[i], data.buffers[i])) {
            data.failure = loader.failure;
            data.detail = loader.detail;
            data.buffers.clear();
            break;
        }
    return data;
}

} // namespace lumeno
