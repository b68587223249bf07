#pragma once

#include <QString>

#include <string_view>

namespace lumeno {

// Whether the URI is a data: URI, its scheme in any case.
bool IsDataUri(std::string_view uri);

// A URI that a model file gives for another file (a buffer, an image), percent-decoded as
// UTF-8, for messages and for looking the file up.
QString DecodedUri(std::string_view uri);

// The path, below `folder`, of the file a URI reference names when it is a relative reference
// that stays inside the folder: no scheme, no authority, no leading separator, no ".." segment
// and no NUL once decoded ('\' counts as a separator, as some Windows tools write it). Empty
// for any other URI: a model may not make us read the user's other files.
QString PathInFolder(const QString &folder, std::string_view uri);

// The same for a file name as OBJ, MTL and PLY files write it: taken as it is, not
// percent-decoded; a drive letter ("C:") counts as leaving the folder.
QString PathOfNameInFolder(const QString &folder, const QString &name);

// Whether the path, its symbolic links followed, still lies inside the folder (its own links
// followed too). An archive can carry a link beside the model that points anywhere.
bool StaysInsideFolder(const QString &folder, const QString &path);

} // namespace lumeno
