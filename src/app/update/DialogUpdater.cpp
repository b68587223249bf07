#include "update/DialogUpdater.h"
#include "ui_DialogUpdater.h"

#include "update/DialogNotificationUpdateReady.h"

#include <QEvent>
#include <limits>

DialogUpdater::DialogUpdater(QWidget *parent) : QDialog(parent), ui(new Ui::DialogUpdater)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    ui->setupUi(this);
    PlaceInBottomRightCorner(this);
}

DialogUpdater::~DialogUpdater()
{
    delete ui;
}

void DialogUpdater::ShowProgress(qint64 done, qint64 total)
{
    if (total <= 0) {
        // Length unknown: a busy bar rather than a range the value can never fall into.
        ui->DownloadProgressBar->setRange(0, 0);
        return;
    }
    // The bar counts in int: scale byte counts beyond its range down together.
    while (total > std::numeric_limits<int>::max()) {
        total /= 1024;
        done /= 1024;
    }
    ui->DownloadProgressBar->setMaximum(static_cast<int>(total));
    ui->DownloadProgressBar->setValue(static_cast<int>(qMin(done, total)));
}

void DialogUpdater::mousePressEvent(QMouseEvent *event)
{
    QDialog::mousePressEvent(event);
    close();
}

void DialogUpdater::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QDialog::changeEvent(event);
}
