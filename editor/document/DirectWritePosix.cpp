#include "editor/document/DirectWrite.h"

#include "editor/document/SystemReason.h"

#include <cerrno>
#include <unistd.h>

QString WriteAll(QFileDevice &file, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written = ::write(file.handle(), bytes.constData() + done, std::size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return SystemReason(written < 0 ? errno : EIO);
        done += written;
    }
    return {};
}
