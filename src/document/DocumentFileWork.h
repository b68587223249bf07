#pragma once

#include <functional>

class QObject;

// Runs `work` on a thread of its own, then `done` on `receiver`'s thread once it has ended,
// unless the receiver is gone by then. The work holds what it uses (shared), so work that
// nobody waits for any more, such as a cancelled read, ends unseen.
void RunFileWork(QObject *receiver, std::function<void()> work, std::function<void()> done);
