#include "dialogs/DialogAboutQt.h"
#include "ui_DialogAboutQt.h"

#include <QEvent>
#include <QFile>

DialogAboutQt::DialogAboutQt(QWidget *parent) : QDialog(parent), ui(new Ui::DialogAboutQt)
{
    ui->setupUi(this);
    setWindowFlags((windowFlags() & ~Qt::WindowContextHelpButtonHint) | Qt::CustomizeWindowHint);

    QFile about(QStringLiteral(":/Other/Qt_about"));
    if (about.open(QIODevice::ReadOnly)) {
        QString text = QString::fromUtf8(about.readAll());
        text.replace(QLatin1String("%QT_VERSION%"), QLatin1String(qVersion()));
        ui->textBrowser->setHtml(text);
    }

    connect(ui->btnClose, &QPushButton::clicked, this, &QDialog::close);
}

DialogAboutQt::~DialogAboutQt()
{
    delete ui;
}

void DialogAboutQt::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QDialog::changeEvent(event);
}
