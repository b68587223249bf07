#include "dialogs/DialogAbout.h"
#include "ui_DialogAbout.h"

#include "Version.h"
#include "dialogs/DialogAboutQt.h"

#include <QEvent>

DialogAbout::DialogAbout(QWidget *parent) : QDialog(parent), ui(new Ui::DialogAbout)
{
    ui->setupUi(this);
    setWindowFlags((windowFlags() | Qt::CustomizeWindowHint) & ~Qt::WindowContextHelpButtonHint);
    ShowVersion();

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
    const QString date = QStringLiteral(" (%1)").arg(buildDate().toString(QStringLiteral("dd-MM-yyyy")));
    ui->lblVersion->setText(QStringLiteral("%1%2%3%4%5%6").arg(QString::number(Major), QStringLiteral("."),
                                                                QString::number(Minor), QStringLiteral("."),
                                                                QString::number(Revision), date));
}

void DialogAbout::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        ShowVersion();
    }
    QDialog::changeEvent(event);
}
