#pragma once

#include <QDialog>
#include <QString>

class DialogAboutQt;

namespace Ui {
class DialogAbout;
}

// The version and the date of this build over the product image; "More Details" leads to the About-Qt dialog.
class DialogAbout : public QDialog
{
    Q_OBJECT

public:
    explicit DialogAbout(QWidget *parent = nullptr);
    ~DialogAbout() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void ShowVersion();
    static QString BuildDateText();

    Ui::DialogAbout *ui;
    DialogAboutQt *aboutQtDialog;
};
