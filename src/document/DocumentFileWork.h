#pragma once

#include <functional>

class QObject;

class QThread;

// Runs `work` on a thread of its own, then `done` on `receiver`'s thread once it has ended,
// unless the receiver is gone by then. The work holds what it uses (shared), so work that
// nobody waits for any more, such as a cancelled read, ends unseen. The thread deletes itself
// once it has ended and the receiver's event loop runs. Where the system gives no thread, the
// work runs on the caller's thread before this returns (null then), and `done` follows later.
QThread *RunFileWork(QObject *receiver, std::function<void()> work, std::function<void()> done);
