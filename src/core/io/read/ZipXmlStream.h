#pragma once

#include "io/read/ModelReader.h"

#include <QString>
#include <QXmlStreamReader>

#include <memory>

struct zip;
struct zip_file;

namespace lumeno {

// An XML part of a ZIP package, parsed as it inflates: the XML reader is fed one piece at a
// time, so neither the part's text nor its UTF-16 form is ever held whole. A part inflating
// to more than deflate can pack (1100 times its packed size) is damaged; a run of more than
// MaxPieceBytes without a token (one text, comment or tag that long) is refused before the
// XML reader holds it.
class ZipXmlStream
{
public:
    static constexpr qint64 MaxPieceBytes = qint64(4) << 20;

    ZipXmlStream();
    ~ZipXmlStream();
    ZipXmlStream(const ZipXmlStream &) = delete;
    ZipXmlStream &operator=(const ZipXmlStream &) = delete;

    // Opens the part of that name (a leading '/' and the case do not matter); false when the
    // package has no such part or it cannot be read.
    bool Open(zip *archive, QString name);

    // The next token; Invalid at an XML error, damage or a bound (then Failure() says which).
    QXmlStreamReader::TokenType ReadNext();

    QXmlStreamReader &Xml() { return xml; }
    ReadFailure Failure() const { return failure; }
    QString Detail() const { return detail; }

private:
    struct FileCloser
    {
        void operator()(zip_file *file) const;
    };

    QXmlStreamReader xml;
    std::unique_ptr<zip_file, FileCloser> file;
    qint64 inflated = 0;
    qint64 inflatedLimit = 0;
    qint64 sinceToken = 0; // bytes fed since the last token
    bool ended = false;
    ReadFailure failure = ReadFailure::None;
    QString detail;
};

} // namespace lumeno
