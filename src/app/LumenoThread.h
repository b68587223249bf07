#pragma once

#include <QThread>

class MainWindow;

// Computes the nine decimation levels of one load in the background.
class LumenoThread : public QThread
{
    Q_OBJECT

public:
    explicit LumenoThread(MainWindow *owner);
    ~LumenoThread() override;

protected:
    void run() override;

private:
    MainWindow *owner;
};
