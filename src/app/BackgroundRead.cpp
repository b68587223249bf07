#include "BackgroundRead.h"

#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <vtkAlgorithm.h>
#include <vtkCallbackCommand.h>

#include <algorithm>
#include <atomic>

namespace {

struct ReadState
{
    lumeno::ReadResult result;
    std::atomic<int> percent{0};
    std::atomic<bool> done{false};
};

void NoteProgress(vtkObject *caller, unsigned long, void *state, void *)
{
    if (auto *reader = vtkAlgorithm::SafeDownCast(caller))
        static_cast<ReadState *>(state)->percent = static_cast<int>(reader->GetProgress() * 100.0);
}

// The OBJ reader keeps a 256 KiB line buffer on the stack.
constexpr uint ReaderStackSize = 8u << 20;

} // namespace

BackgroundRead::~BackgroundRead()
{
    for (const std::unique_ptr<QThread> &thread : threads)
        thread->wait();
}

std::optional<lumeno::ReadResult> BackgroundRead::Run(const QString &path, const QString &suffix,
                                                      const QString &temporaryCopy,
                                                      const std::function<void(int)> &progress)
{
    threads.erase(std::remove_if(threads.begin(), threads.end(),
                                 [](const std::unique_ptr<QThread> &thread) { return thread->isFinished(); }),
                  threads.end());

    auto state = std::make_shared<ReadState>();
    threads.emplace_back(QThread::create([state, path, suffix, temporaryCopy] {
        state->result = lumeno::ReadModel(path, suffix, [&state](vtkAlgorithm *reader) {
            auto observer = vtkSmartPointer<vtkCallbackCommand>::New();
            observer->SetCallback(NoteProgress);
            observer->SetClientData(state.get());
            reader->AddObserver(vtkCommand::ProgressEvent, observer);
        });
        if (!temporaryCopy.isEmpty())
            QFile::remove(temporaryCopy);
        // The views' mappers ask for the bounds of the points the cells use, a walk over every
        // cell; cached with the model, computed here instead of on the window's thread.
        if (state->result.model) {
            double bounds[6];
            state->result.model->GetCellsBounds(bounds);
        }
        state->done = true;
    }));
    QThread *thread = threads.back().get();
    thread->setObjectName(QStringLiteral("model reader"));
    thread->setStackSize(ReaderStackSize);

    QEventLoop reading;
    connect(thread, &QThread::finished, &reading, &QEventLoop::quit);
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, &reading, [&] {
        if (loop == &reading) // not once cancelled, while a newer read may run
            progress(state->percent);
    });
    ticker.start(100);
    bool cancelledHere = false;
    loop = &reading;
    cancelled = &cancelledHere;
    thread->start();
    reading.exec();
    if (loop == &reading) {
        loop = nullptr;
        cancelled = nullptr;
    }
    if (cancelledHere || !state->done)
        return std::nullopt;
    return std::move(state->result);
}

void BackgroundRead::Cancel()
{
    if (!loop)
        return;
    *cancelled = true;
    loop->quit();
    loop = nullptr;
    cancelled = nullptr;
}
