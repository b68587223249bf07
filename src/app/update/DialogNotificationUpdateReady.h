#pragma once

#include <QDialog>
#include <QString>

namespace Ui {
class DialogNotificationUpdateReady;
}

// The frameless notice that a downloaded installer is ready; its button offers to install it,
// a click anywhere else on it closes it.
class DialogNotificationUpdateReady : public QDialog
{
    Q_OBJECT

public:
    explicit DialogNotificationUpdateReady(const QString &installerPath, QWidget *parent = nullptr);
    ~DialogNotificationUpdateReady() override;

    QString InstallerPath() const { return installerPath; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    void installNewVersion();

private:
    Ui::DialogNotificationUpdateReady *ui;
    QString installerPath;
};

// Moves a notice window into the bottom-right corner of the primary screen's free area.
void PlaceInBottomRightCorner(QWidget *window);
