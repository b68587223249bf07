// The update service's answer, parsed as the updater parses it.
#include "update/UpdateAnswer.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray body(reinterpret_cast<const char *>(data), static_cast<int>(size));
    const lumeno::UpdateAnswer answer = lumeno::UpdateAnswer::Parse(body, QStringLiteral("0.9.1.20140802"));
    // What the updater relies on whenever an answer offers an update.
    if (answer.newVersion) {
        if (!lumeno::IsPlainFileName(answer.installerName) || !lumeno::IsSecureUpdateAddress(answer.installerUrl))
            __builtin_trap();
        if (answer.installerSha256.size() != 32 || answer.installerSize <= 0 ||
            answer.installerSize > lumeno::MaxInstallerBytes)
            __builtin_trap();
    }
    return 0;
}
