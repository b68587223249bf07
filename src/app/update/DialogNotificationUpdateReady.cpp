#include "update/DialogNotificationUpdateReady.h"
#include "ui_DialogNotificationUpdateReady.h"

#include "YesNoQuestion.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QUrl>

void PlaceInBottomRightCorner(QWidget *window)
{
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window->adjustSize(); // the size its texts need in this language

    const QRect area = screen->availableGeometry();
    window->move(area.x() + area.width() - window->width(), area.y() + area.height() - window->height());
}

DialogNotificationUpdateReady::DialogNotificationUpdateReady(const QString &installer, QWidget *parent)
    : QDialog(parent), ui(new Ui::DialogNotificationUpdateReady), installerPath(installer)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    ui->setupUi(this);
    PlaceInBottomRightCorner(this);
    connect(ui->pushButton, &QPushButton::clicked, this, &DialogNotificationUpdateReady::InstallNewVersion);
}

DialogNotificationUpdateReady::DialogNotificationUpdateReady(const QUrl &page, const QString &newVersion,
                                                             QWidget *parent)
    : QDialog(parent), ui(new Ui::DialogNotificationUpdateReady), downloadPage(page), version(newVersion)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    ui->setupUi(this);
    RetranslateOffer();
    PlaceInBottomRightCorner(this);
    connect(ui->pushButton, &QPushButton::clicked, this, &DialogNotificationUpdateReady::OpenDownloadPage);
}

void DialogNotificationUpdateReady::RetranslateOffer()
{
    if (downloadPage.isEmpty())
        return;
    ui->label->setText(tr("Lumeno3D %1 is available.").arg(version));
    ui->pushButton->setText(tr("&Open the download page"));
}

void DialogNotificationUpdateReady::OpenDownloadPage()
{
    QDesktopServices::openUrl(downloadPage);
    close();
}

DialogNotificationUpdateReady::~DialogNotificationUpdateReady()
{
    delete ui;
}

void DialogNotificationUpdateReady::InstallNewVersion()
{
    const bool install =
        AskYesNo(tr("Update"), tr("Lumeno3D is going to close to install a new version.\nDo you want to close Lumeno3D "
                                  "and update it?"));
    close();
    if (!install)
        return;
    // The program's window asks about unsaved work as it closes; its Cancel keeps the program
    // open and the installer waits.
    QWidget *programWindow = parentWidget() ? parentWidget()->window() : nullptr;
    if (programWindow && !programWindow->close())
        return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(installerPath));
    QCoreApplication::quit();
}

void DialogNotificationUpdateReady::mousePressEvent(QMouseEvent *event)
{
    QDialog::mousePressEvent(event);
    close();
}

void DialogNotificationUpdateReady::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        RetranslateOffer();
    }
    QDialog::changeEvent(event);
}
