#pragma once

#include <QDialog>
#include <QRect>
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
    // The details button stays at the lower right corner of the picture and takes the width
    // its text needs in the interface language.
    void PlaceDetailsButton();
    static QString BuildDateText();

    Ui::DialogAbout *ui;
    QRect detailsPlace; // as the form places it: its smallest size, and the corner it keeps
    DialogAboutQt *aboutQtDialog;
};
