#include "editor/document/FileAccess.h"

#include "editor/document/SystemReason.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/acl.h>
#include <sys/xattr.h>

namespace {

// The texts the editor's windows show, for tr().
struct Text {
    Q_DECLARE_TR_FUNCTIONS(FileAccess)
};

// Nothing to give: no such file, or none the file system keeps.
bool NoneToGive(int error)
{
    return error == ENOENT || error == ENOTSUP || error == ENODATA;
}

QString CopyAcl(const QByteArray &original, int replacement)
{
    const acl_t acl = ::acl_get_file(original.constData(), ACL_TYPE_ACCESS);
    if (!acl)
        return NoneToGive(errno) ? QString() : Text::tr("its access list cannot be read (%1)").arg(SystemReason(errno));
    const int failed = ::acl_set_fd(replacement, acl) != 0 ? errno : 0;
    ::acl_free(acl);
    return failed == 0 ? QString() : Text::tr("its access list cannot be given to the new file (%1)").arg(SystemReason(failed));
}

// The names of the file's extended attributes, each ended by a zero byte.
QByteArray AttributeNames(const QByteArray &original, int *error)
{
    for (;;) {
        const ssize_t size = ::listxattr(original.constData(), nullptr, 0);
        if (size <= 0) {
            *error = size < 0 && !NoneToGive(errno) ? errno : 0;
            return {};
        }
        QByteArray names(size, '\0');
        const ssize_t got = ::listxattr(original.constData(), names.data(), std::size_t(size));
        if (got >= 0) {
            names.truncate(got);
            return names;
        }
        if (errno != ERANGE) { // ERANGE: one was added meanwhile
            *error = errno;
            return {};
        }
    }
}

QString CopyAttribute(const QByteArray &original, const char *name, int replacement)
{
    const ssize_t size = ::getxattr(original.constData(), name, nullptr, 0);
    QByteArray value(size > 0 ? size : 0, '\0');
    if (size < 0 || ::getxattr(original.constData(), name, value.data(), std::size_t(value.size())) != size
        || ::fsetxattr(replacement, name, value.constData(), std::size_t(value.size()), 0) != 0)
        return NoneToGive(errno) ? QString()
                                 : Text::tr("its attribute %1 cannot be given to the new file (%2)")
                                       .arg(QString::fromLocal8Bit(name), SystemReason(errno));
    return {};
}

} // namespace

namespace FileAccess {

QString CopyTo(const QString &original, QFileDevice &replacement)
{
    const QByteArray path = QFile::encodeName(original);
    const int handle = replacement.handle();
    if (QString error = CopyAcl(path, handle); !error.isEmpty())
        return error;
    int listError = 0;
    const QByteArray names = AttributeNames(path, &listError);
    if (listError != 0)
        return Text::tr("its attributes cannot be read (%1)").arg(SystemReason(listError));
    for (qsizetype at = 0; at < names.size(); at = names.indexOf('\0', at) + 1) {
        const char *name = names.constData() + at;
        // The access list went with the ACL, which keeps the mode bits in step.
        if (std::strncmp(name, "system.posix_acl_", 17) == 0)
            continue;
        if (QString error = CopyAttribute(path, name, handle); !error.isEmpty())
            return error;
    }
    return {};
}

} // namespace FileAccess
