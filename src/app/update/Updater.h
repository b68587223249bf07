#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <memory>

class QSaveFile;

class Downloader;
class DialogUpdater;
class DialogNotificationUpdateReady;

// Asks the update service once per start whether a newer version exists, downloads its
// installer into the per-user cache and offers it. Only a signed answer offering a newer
// version counts, and only an installer of the signed size and hash is kept. Every failure is silent.
// Its downloaders are its children, each deleted once it has ended: with none left, the check is over.
class Updater : public QObject
{
    Q_OBJECT

public:
    // The product web site: the help pages, and the update service unless LUMENO3D_UPDATE_URL names another.
    static constexpr const char *WebSite = "https://lumeno3d.org";

    // What a new version brings: the installer, downloaded and checked, or, where the system's
    // package manager updates the program (Linux), a link to the download page.
    enum class Offer { Installer, DownloadPage };
    static Offer PlatformOffer();

    // Sends the update query at once, unless the build leaves the check out (distribution
    // packages, which the system updates) or the setting "CheckForUpdates" is false.
    explicit Updater(QObject *parent, Offer offerKind = PlatformOffer());
    ~Updater() override;

    static constexpr bool BuiltIn = LUMENO_UPDATE_CHECK;
    static QString ServiceAddress();
    static QString InstallerFolder();

private slots:
    void AnswerReceived(QByteArray body);
    void InstallerPartReceived(QByteArray part);
    void InstallerReceived();
    void InstallerDownloadFailed();

private:
    // A downloader that deletes itself once it has ended.
    Downloader *NewDownloader(const QString &address);
    void StartDownload(const QUrl &installerUrl);
    bool IsIntact(const QString &path) const;
    void OfferInstaller();
    QWidget *ParentWidget() const;

    const Offer offer;
    QString installerPath;
    QPointer<Downloader> installerDownloader;
    // Both windows are children of the parent window, which may delete them first.
    QPointer<DialogUpdater> progressDialog;
    QPointer<DialogNotificationUpdateReady> readyDialog;
    QByteArray expectedSha256;
    qint64 expectedSize = 0;
    // The installer being downloaded, under a temporary name until it is complete and checked.
    std::unique_ptr<QSaveFile> installerFile;
    QCryptographicHash installerHash{QCryptographicHash::Sha256};
};
