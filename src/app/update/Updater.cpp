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

Updater::Updater(QObject *parent, Offer offerKind) : QObject(parent), offer(offerKind)
{
    if (!BuiltIn || !QSettings().value(QStringLiteral("CheckForUpdates"), true).toBool())
        return;

    const QString platform = QStringLiteral("&platform=%1").arg(lumeno::UpdatePlatform());
    const QString query = QStringLiteral("%1/app/index.php?method=checkupdates&version=%2%3")
                              .arg(ServiceAddress(), lumeno::version::applicationVersion(), platform);
    if (!lumeno::IsSecureUpdateAddress(QUrl(query)))
        return;

    // A query that fails (ConnectionProblem) or an answer of no use: the program goes on without an update.
    Downloader *check = NewDownloader(query);
    check->SetSizeLimit(MaxAnswerBytes);
    connect(check, &Downloader::DownloadFinished, this, &Updater::AnswerReceived);
    check->SendRequest(Downloader::Method::Post);
}

Updater::~Updater()
{
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

Downloader *Updater::NewDownloader(const QString &address)
{
    auto *downloader = new Downloader(address, this);
    connect(downloader, &Downloader::DownloadFinished, downloader, &QObject::deleteLater);
    connect(downloader, &Downloader::ConnectionProblem, downloader, &QObject::deleteLater);
    return downloader;
}

QWidget *Updater::ParentWidget() const
{
    return qobject_cast<QWidget *>(parent());
}

void Updater::AnswerReceived(QByteArray body)
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

    expectedSha256 = answer.installerSha256;
    expectedSize = answer.installerSize;
    installerPath = QStringLiteral("%1/%2").arg(InstallerFolder(), answer.installerName);

    if (QFileInfo(installerPath).isFile()) {
        if (IsIntact(installerPath)) {
            OfferInstaller();
            return;
        }
        QFile::remove(installerPath);
    }
    StartDownload(answer.installerUrl);
}

void Updater::StartDownload(const QUrl &installerUrl)
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

    // Streamed to the file as it arrives; a body beyond the signed size is given up.
    installerDownloader = NewDownloader(installerUrl.toString());
    installerDownloader->SetStreaming(true);
    installerDownloader->SetSizeLimit(expectedSize);
    connect(installerDownloader, &Downloader::ConnectionProblem, this, &Updater::InstallerDownloadFailed);
    connect(installerDownloader, &Downloader::DownloadFinished, this, &Updater::InstallerReceived);
    connect(installerDownloader, &Downloader::DownloadProgress, progressDialog, &DialogUpdater::ShowProgress);
    connect(installerDownloader, &Downloader::BodyReceived, this, &Updater::InstallerPartReceived);
    installerDownloader->SendRequest(Downloader::Method::Get);
}

bool Updater::IsIntact(const QString &path) const
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    return file.size() == expectedSize && file.open(QIODevice::ReadOnly) && hash.addData(&file) &&
           hash.result() == expectedSha256;
}

void Updater::InstallerPartReceived(QByteArray part)
{
    if (!installerFile)
        return;
    installerHash.addData(part);
    if (installerFile->write(part) != part.size())
        installerDownloader->Cancel(); // the disk is full: no point in fetching the rest
}

void Updater::InstallerReceived()
{
    if (progressDialog)
        progressDialog->close();
    const std::unique_ptr<QSaveFile> file = std::move(installerFile);
    // Flushed before the commit, which would not notice the last bytes failing (a full disk).
    // Dropping the file uncommitted removes what was written.
    if (!file || !file->flush() || file->size() != expectedSize || installerHash.result() != expectedSha256 ||
        !file->commit())
        return;
    OfferInstaller();
}

void Updater::OfferInstaller()
{
    QWidget *parentWidget = ParentWidget();
    readyDialog = new DialogNotificationUpdateReady(installerPath, parentWidget);
    readyDialog->show();
    if (parentWidget)
        parentWidget->setFocus(Qt::ActiveWindowFocusReason);
}

void Updater::InstallerDownloadFailed()
{
    // The download failed: what was written goes, and the progress window stays until clicked away.
    installerFile.reset();
}
