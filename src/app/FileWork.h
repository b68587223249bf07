#pragma once

#include <QObject>
#include <QThread>

#include <functional>
#include <memory>
#include <vector>

class QEventLoop;

// Runs file work (reading or writing a model) on a thread of its own while the calling
// thread's event loop goes on, so that the window reading or writing a large file still draws,
// shows the progress and answers Cancel.
class FileWork : public QObject
{
public:
    ~FileWork() override;

    // Runs `work` on a new thread; `tick` is called every 100 ms meanwhile. Returns true once
    // the work has ended, false at once after Cancel() (or the application's exit): the thread
    // then ends unseen, so `work` must own what it uses.
    bool Run(const std::function<void()> &work, const std::function<void()> &tick);
    void Cancel();

private:
    QEventLoop *loop = nullptr; // of the work the caller waits for
    bool *cancelled = nullptr;  // its flag
    // Work that may still run; each is waited for at the next Run or at the end.
    std::vector<std::unique_ptr<QThread>> threads;
};
