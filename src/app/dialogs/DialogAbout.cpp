#include "dialogs/DialogAbout.h"
#include "ui_DialogAbout.h"

#include "BuildDate.h"
#include "Version.h"
#include "dialogs/DialogAboutQt.h"

#include <QDate>
#include <QEvent>
#include <QLocale>

DialogAbout::DialogAbout(QWidget *parent) : QDialog(parent), ui(new Ui::DialogAbout)
{
    ui->setupUi(this);
    setWindowFlags((windowFlags() | Qt::CustomizeWindowHint) & ~Qt::WindowContextHelpButtonHint);
    ShowVersion();
    detailsPlace = ui->btnDetails->geometry();
    PlaceDetailsButton();

    aboutQtDialog = new DialogAboutQt(parent);
    connect(ui->btnDetails, &QPushButton::clicked, aboutQtDialog, &QDialog::exec);
}

DialogAbout::~DialogAbout()
{
    delete ui;
    delete aboutQtDialog;
}

void DialogAbout::ShowVersion()
{
    using namespace lumeno::version;
    ui->lblVersion->setText(QStringLiteral("%1%2%3%4%5%6").arg(QString::number(Major), QStringLiteral("."),
                                                                QString::number(Minor), QStringLiteral("."),
                                                                QString::number(Revision),
                                                                QStringLiteral(" (%1)").arg(BuildDateText())));
}

void DialogAbout::PlaceDetailsButton()
{
    const QSize size = ui->btnDetails->sizeHint().expandedTo(detailsPlace.size());
    ui->btnDetails->setGeometry(QRect(detailsPlace.right() + 1 - size.width(), detailsPlace.bottom() + 1 - size.height(),
                                      size.width(), size.height()));
}

QString DialogAbout::BuildDateText()
{
    const QDate date = QDate::fromString(QStringLiteral(LUMENO_BUILD_DATE), Qt::ISODate);
    // The interface language's short date, with the year in full.
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return QLocale().toString(date, format);
}

void DialogAbout::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        ShowVersion();
        PlaceDetailsButton();
    }
    QDialog::changeEvent(event);
}
