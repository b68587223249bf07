#include "FileWork.h"

#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <atomic>

namespace {

// The OBJ reader keeps a 256 KiB line buffer on the stack.
constexpr uint FileWorkStackSize = 8u << 20;

} // namespace

FileWork::~FileWork()
{
    for (const std::unique_ptr<QThread> &thread : threads)
        thread->wait();
}

bool FileWork::Run(const std::function<void()> &work, const std::function<void()> &tick)
{
    threads.erase(std::remove_if(threads.begin(), threads.end(),
                                 [](const std::unique_ptr<QThread> &thread) { return thread->isFinished(); }),
                  threads.end());

    auto done = std::make_shared<std::atomic<bool>>(false);
    threads.emplace_back(QThread::create([work, done] {
        work();
        *done = true;
    }));
    QThread *thread = threads.back().get();
    thread->setObjectName(QStringLiteral("file work"));
    thread->setStackSize(FileWorkStackSize);

    QEventLoop waiting;
    connect(thread, &QThread::finished, &waiting, &QEventLoop::quit);
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, &waiting, [&] {
        if (loop == &waiting && tick) // not once cancelled, while newer work may run
            tick();
    });
    ticker.start(100);
    bool cancelledHere = false;
    loop = &waiting;
    cancelled = &cancelledHere;
    thread->start();
    waiting.exec();
    if (loop == &waiting) {
        loop = nullptr;
        cancelled = nullptr;
    }
    return !cancelledHere && *done;
}

void FileWork::Cancel()
{
    if (!loop)
        return;
    *cancelled = true;
    loop->quit();
    loop = nullptr;
    cancelled = nullptr;
}
