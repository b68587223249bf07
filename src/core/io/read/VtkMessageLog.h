#pragma once

#include <QString>

namespace lumeno {

// From now on, VTK's errors, warnings and other texts (a failed filter's pipeline dump, for
// one) go to the end of this file instead of standard error. The program's own messages
// already name the file and the cause; VTK's are kept for finding out more. A log grown
// beyond 1 MB starts over.
void SendVtkMessagesToLog(const QString &logFile);

// The log's usual place: vtk-messages.log in the application's cache folder.
QString DefaultVtkMessageLog();

} // namespace lumeno
