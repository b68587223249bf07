#pragma once

#include <QDialog>

namespace Ui {
class DialogUpdater;
}

// The small frameless window that shows the installer download; a click on it closes it.
class DialogUpdater : public QDialog
{
    Q_OBJECT

public:
    explicit DialogUpdater(QWidget *parent = nullptr);
    ~DialogUpdater() override;

public slots:
    void ShowProgress(qint64 done, qint64 total);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    Ui::DialogUpdater *ui;
};
