#include "DocumentFileWork.h"

#include <QThread>

#include <memory>
#include <mutex>

namespace {

// The OBJ reader keeps a 256 KiB line buffer on the stack.
constexpr uint FileWorkStackSize = 8u << 20;

} // namespace

QThread *RunFileWork(QObject *receiver, std::function<void()> work, std::function<void()> done)
{
    // The work runs under a lock `done` takes first: ThreadSanitizer cannot see Qt's locks, and
    // so would not see what the work wrote handed to `done` through Qt's event queue.
    struct Shared
    {
        std::function<void()> work;
        std::mutex running;
    };
    auto shared = std::make_shared<Shared>();
    shared->work = std::move(work);
    QThread *thread = QThread::create([shared] {
        const std::lock_guard<std::mutex> lock(shared->running);
        shared->work();
    });
    thread->setObjectName(QStringLiteral("file work"));
    thread->setStackSize(FileWorkStackSize);
    QObject::connect(thread, &QThread::finished, receiver, [shared, done] {
        { const std::lock_guard<std::mutex> lock(shared->running); }
        done();
    });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
    if (thread->isRunning() || thread->isFinished())
        return thread;
    // The system gave no thread (short of memory or of threads): the work runs here, and its
    // end is told as it would have been.
    delete thread;
    shared->work();
    QMetaObject::invokeMethod(receiver, std::move(done), Qt::QueuedConnection);
    return nullptr;
}
