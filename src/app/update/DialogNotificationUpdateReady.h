#pragma once

#include <QDialog>
#include <QString>
#include <QUrl>

namespace Ui {
class DialogNotificationUpdateReady;
}

// The frameless notice of a new version: either a downloaded installer is ready and the button
// offers to install it, or the button opens the download page. A click anywhere else closes it.
class DialogNotificationUpdateReady : public QDialog
{
    Q_OBJECT

public:
    explicit DialogNotificationUpdateReady(const QString &installer, QWidget *parent = nullptr);
    DialogNotificationUpdateReady(const QUrl &page, const QString &newVersion, QWidget *parent = nullptr);
    ~DialogNotificationUpdateReady() override;

    QString InstallerPath() const { return installerPath; }
    QUrl DownloadPage() const { return downloadPage; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    void InstallNewVersion();
    void OpenDownloadPage();

private:
    Ui::DialogNotificationUpdateReady *ui;
    void RetranslateOffer();

    QString installerPath;
    QUrl downloadPage;
    QString version;
};

// Moves a notice window into the bottom-right corner of the primary screen's free area.
void PlaceInBottomRightCorner(QWidget *window);
