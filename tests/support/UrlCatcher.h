#pragma once

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QUrl>

// Takes the place of the system's handler for one URL scheme while it lives, so tests see
// what QDesktopServices::openUrl would have opened and nothing is started on the desktop.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    explicit UrlCatcher(const QString &scheme) : scheme(scheme)
    {
        QDesktopServices::setUrlHandler(scheme, this, "Open");
    }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(scheme); }

    QList<QUrl> urls;

public slots:
    void Open(const QUrl &url) { urls << url; }

private:
    QString scheme;
};
