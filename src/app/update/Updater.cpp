#include "update/Updater.h"

#include "Version.h"
#include "update/DialogNotificationUpdateReady.h"
#include "update/DialogUpdater.h"
#include "update/Downloader.h"
#include "update/UpdateAnswer.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

namespace {

// The answer to the query is a few lines; anything much larger is not the service.
constexpr qint64 MaxAnswerBytes = 64 * 1024;

} // namespace

Updater::Offer Updater::PlatformOffer()
{
    return lumeno::UpdatePlatform() == QLatin1String("linux") ? Offer::DownloadPage : Offer::Installer;
}

Updater::Updater(QObject *parent, Offer offer) : QObject(parent), offer(offer)
{
    connect(this, &Updater::NewVersionAvailable, this, qOverload<>(&Updater::NewVersionDownloaded));

    if (!BuiltIn || !QSettings().value(QStringLiteral("CheckForUpdates"), true).toBool())
        return;

    const QString platform = QStringLiteral("&platform=%1").arg(lumeno::UpdatePlatform());
    const QString query = QStringLiteral("%1/app/index.php?method=checkupdates&version=%2%3")
                              .arg(ServiceAddress(), lumeno::version::applicationVersion(), platform);
    if (!lumeno::IsSecureUpdateAddress(QUrl(query)))
        return;

    checkDownloader = new Downloader(query);
    checkDownloader->setSizeLimit(MaxAnswerBytes);
    connect(checkDownloader, &Downloader::DownloadFinished, this, &Updater::ProcessCorrectResponse);
    connect(checkDownloader, &Downloader::ConnectionProblem, this, &Updater::ProcessIncorrectResponse);
    checkDownloader->sendRequest(Downloader::Post);
}

Updater::~Updater()
{
    delete checkDownloader;
    delete installerDownloader;
    delete progressDialog;
    // With a parent window the notice is that window's child; without one nobody else deletes it.
    if (readyDialog && !readyDialog->parent())
        delete readyDialog;
}

QString Updater::ServiceAddress()
{
    QString address = qEnvironmentVariable("LUMENO3D_UPDATE_URL");
    if (address.isEmpty())
        address = QString::fromLatin1(WebSite);
    while (address.endsWith(QLatin1Char('/')))
        address.chop(1);
    return address;
}

QString Updater::InstallerFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/updates");
}

QWidget *Updater::ParentWidget() const
{
    return qobject_cast<QWidget *>(parent());
}

void Updater::ProcessCorrectResponse(QByteArray body)
{
    const lumeno::UpdateAnswer answer = lumeno::UpdateAnswer::Parse(body, lumeno::version::applicationVersion());
    if (!answer.newVersion)
        return;
    if (offer == Offer::DownloadPage) {
        readyDialog = new DialogNotificationUpdateReady(QUrl(QString::fromLatin1(WebSite) + QStringLiteral("/download")),
                                                        answer.version, ParentWidget());
        readyDialog->show();
        return;
    }

    downloadUrl = answer.installerUrl.toString();
    expectedSha256 = answer.installerSha256;
    expectedSize = answer.installerSize;
    installerPath = QStringLiteral("%1/%2").arg(InstallerFolder(), answer.installerName);

    if (QFileInfo(installerPath).isFile()) {
        if (IsIntact(installerPath)) {
            emit NewVersionAvailable();
            return;
        }
        QFile::remove(installerPath);
    }
    StartDownload();
}

void Updater::StartDownload()
{
    // Written under a temporary name and renamed when complete: a later start never finds half a file.
    QDir().mkpath(InstallerFolder());
    installerFile = std::make_unique<QSaveFile>(installerPath);
    if (!installerFile->open(QIODevice::WriteOnly)) {
        installerFile.reset();
        return;
    }

    QWidget *parentWidget = ParentWidget();
    progressDialog = new DialogUpdater(parentWidget);
    progressDialog->show();
    if (parentWidget)
        parentWidget->setFocus(Qt::ActiveWindowFocusReason);

    emit DownloadingNewVersion();

    // Streamed to the file as it arrives; a body beyond the signed size is given up.
    installerDownloader = new Downloader(downloadUrl);
    installerDownloader->setStreaming(true);
    installerDownloader->setSizeLimit(expectedSize);
    connect(installerDownloader, &Downloader::ConnectionProblem, this, &Updater::ProcessAmazonIncorrectResponse);
    connect(installerDownloader, &Downloader::DownloadFinished, this,
            qOverload<QByteArray>(&Updater::NewVersionDownloaded));
    connect(installerDownloader, &Downloader::downloadProgressSignal, progressDialog, &DialogUpdater::updateProgress);
    connect(installerDownloader, &Downloader::BodyReceived, this, &Updater::StoreInstallerPart);
    installerDownloader->sendRequest(Downloader::Get);
}

bool Updater::IsIntact(const QString &path) const
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    return file.size() == expectedSize && file.open(QIODevice::ReadOnly) && hash.addData(&file) &&
           hash.result() == expectedSha256;
}

void Updater::StoreInstallerPart(QByteArray part)
{
    if (!installerFile)
        return;
    installerHash.addData(part);
    if (installerFile->write(part) != part.size())
        installerDownloader->cancel(); // the disk is full: no point in fetching the rest
}

void Updater::NewVersionDownloaded(QByteArray)
{
    if (progressDialog)
        progressDialog->close();
    const std::unique_ptr<QSaveFile> file = std::move(installerFile);
    // Flushed before the commit, which would not notice the last bytes failing (a full disk).
    // Dropping the file uncommitted removes what was written.
    if (!file || !file->flush() || file->size() != expectedSize || installerHash.result() != expectedSha256 ||
        !file->commit())
        return;
    NewVersionDownloaded();
}

void Updater::NewVersionDownloaded()
{
    QWidget *parentWidget = ParentWidget();
    readyDialog = new DialogNotificationUpdateReady(installerPath, parentWidget);
    readyDialog->show();
    if (parentWidget)
        parentWidget->setFocus(Qt::ActiveWindowFocusReason);
}

void Updater::ProcessIncorrectResponse(int, QByteArray)
{
    // No answer, or not a usable one: the program goes on without an update.
}

void Updater::ProcessAmazonIncorrectResponse(int, QByteArray)
{
    // The download failed: what was written goes, and the progress window stays until clicked away.
    installerFile.reset();
}
