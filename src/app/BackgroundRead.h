#pragma once

#include "io/ModelReader.h"

#include <QObject>
#include <QString>
#include <QThread>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QEventLoop;

// Reads a model file on a thread of its own while the calling thread's event loop goes on, so
// that a window reading a large file still draws, shows the progress and answers Cancel.
class BackgroundRead : public QObject
{
public:
    ~BackgroundRead() override;

    // Reads as lumeno::ReadModel does and removes `temporaryCopy` (when given) afterwards.
    // `progress` is told the reader's percentage on the calling thread. Returns when the read
    // has ended, or at once after Cancel() (or the application's exit) with no result: the
    // thread then finishes its read unseen.
    std::optional<lumeno::ReadResult> Run(const QString &path, const QString &suffix, const QString &temporaryCopy,
                                          const std::function<void(int)> &progress);
    bool IsRunning() const { return loop != nullptr; }
    void Cancel();

private:
    QEventLoop *loop = nullptr; // of the read the window waits for
    bool *cancelled = nullptr;  // its flag
    // Reads that may still run; each is waited for at the next Run or at the end.
    std::vector<std::unique_ptr<QThread>> threads;
};
