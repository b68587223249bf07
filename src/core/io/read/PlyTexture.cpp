#include "io/read/PlyTexture.h"

#include "io/read/FolderUri.h"
#include "io/read/LookImages.h"

#include <QByteArray>
#include <QFileInfo>

#include <algorithm>

namespace lumeno {

namespace {

// Headers are short; a longer one is not searched further.
constexpr size_t LongestHeader = size_t(1) << 20;

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

bool StartsWithWord(std::string_view line, std::string_view word, std::string_view &rest)
{
    if (line.size() <= word.size() || (line[word.size()] != ' ' && line[word.size()] != '\t'))
        return false;
    for (size_t i = 0; i < word.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(line[i])) != word[i])
            return false;
    rest = Trimmed(line.substr(word.size()));
    return true;
}

} // namespace

QString PlyTextureFile(std::string_view bytes)
{
    bytes = bytes.substr(0, LongestHeader);
    for (size_t at = 0; at < bytes.size();) {
        size_t end = bytes.find('\n', at);
        if (end == std::string_view::npos)
            end = bytes.size();
        const std::string_view line = Trimmed(bytes.substr(at, end - at));
        at = end + 1;
        if (line == "end_header")
            break;
        std::string_view comment, name;
        if (StartsWithWord(line, "comment", comment) && StartsWithWord(comment, "texturefile", name) && !name.empty())
            return QString::fromUtf8(name.data(), int(std::min<size_t>(name.size(), 4096)));
    }
    return QString();
}

SharedLook PlyTextureLook(const QString &textureFile, const QString &folder)
{
    auto look = std::make_shared<ModelLook>();
    LookImages images(*look);
    Material material;
    material.name = QFileInfo(QString(textureFile).replace(QLatin1Char('\\'), QLatin1Char('/'))).completeBaseName();
    if (material.name.isEmpty())
        material.name = QStringLiteral("texture");
    material.baseColourTexture.image = images.AddFile(folder, textureFile, PathOfNameInFolder(folder, textureFile));
    look->materials.push_back(material);
    return look;
}

} // namespace lumeno
