#pragma once

#include <QDialog>

namespace Ui {
class DialogAboutQt;
}

// The toolkit's about text, naming the Qt version the program runs with. Its links do nothing.
class DialogAboutQt : public QDialog
{
    Q_OBJECT

public:
    explicit DialogAboutQt(QWidget *parent = nullptr);
    ~DialogAboutQt() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    Ui::DialogAboutQt *ui;
};
