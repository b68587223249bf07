#include "io/read/ZipXmlStream.h"

#include <QCoreApplication>

#include <zip.h>

namespace lumeno {

void ZipXmlStream::FileCloser::operator()(zip_file *opened) const
{
    zip_fclose(opened);
}

ZipXmlStream::ZipXmlStream() = default;
ZipXmlStream::~ZipXmlStream() = default;

bool ZipXmlStream::Open(zip *archive, QString name)
{
    if (name.startsWith(QLatin1Char('/')))
        name.remove(0, 1);
    const zip_int64_t index = zip_name_locate(archive, name.toUtf8().constData(), ZIP_FL_NOCASE);
    zip_stat_t status;
    zip_stat_init(&status);
    if (index < 0 || zip_stat_index(archive, zip_uint64_t(index), 0, &status) != 0 ||
        !(status.valid & ZIP_STAT_COMP_SIZE) || status.comp_size > zip_uint64_t(1) << 40)
        return false;
    file.reset(zip_fopen_index(archive, zip_uint64_t(index), 0));
    inflatedLimit = 1100 * qint64(status.comp_size) + 4096;
    return file != nullptr;
}

QXmlStreamReader::TokenType ZipXmlStream::ReadNext()
{
    for (;;) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token != QXmlStreamReader::Invalid) {
            sinceToken = 0;
            return token;
        }
        if (xml.error() != QXmlStreamReader::PrematureEndOfDocumentError || ended || !file) {
            if (failure == ReadFailure::None)
                failure = ReadFailure::DamagedFile;
            return token;
        }
        char piece[1 << 16];
        const zip_int64_t read = zip_fread(file.get(), piece, sizeof piece);
        if (read < 0 || inflated + read > inflatedLimit) {
            failure = ReadFailure::DamagedFile; // also a wrong checksum
            return QXmlStreamReader::Invalid;
        }
        ended = read == 0;
        inflated += read;
        sinceToken += read;
        if (sinceToken > MaxPieceBytes) {
            failure = ReadFailure::OverLimit;
            detail = QCoreApplication::translate("ModelReader", "more than %1 MiB of text without a tag")
                         .arg(MaxPieceBytes >> 20);
            return QXmlStreamReader::Invalid;
        }
        xml.addData(QByteArray(piece, int(read)));
    }
}

} // namespace lumeno
