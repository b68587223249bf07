#pragma once

#include <QDialog>
#include <QString>

class QTextBrowser;

// The help page, shipped with the program and shown in its own window: it needs neither a
// browser nor a network. It links the web site's page for the same language.
class HelpWindow : public QDialog
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // Shows the page in the interface language, linking the web page of `languageCode`.
    void ShowPage(const QString &languageCode);
    QString WebPage() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    QString PageHtml() const;

    QTextBrowser *browser;
    QString language = QStringLiteral("en");
};
