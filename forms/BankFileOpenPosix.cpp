#include "forms/BankFileOpen.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

BankOpenFailure KindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return BankOpenFailure::Folder;
    if (S_ISFIFO(mode))
        return BankOpenFailure::Pipe;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return BankOpenFailure::Device;
    if (S_ISSOCK(mode))
        return BankOpenFailure::Socket;
    return BankOpenFailure::NotRegular;
}

} // namespace

BankFileOpen::BankFileOpen(const char *path)
{
    // Checked before opening, so that nothing but a regular file is ever opened.
    struct stat status {};
    if (::stat(path, &status) != 0) {
        error_ = errno;
        struct stat link {};
        failure_ = error_ == ENOENT && ::lstat(path, &link) == 0 ? BankOpenFailure::DanglingLink
                                                                   : BankOpenFailure::System;
        return;
    }
    if (!S_ISREG(status.st_mode)) {
        failure_ = KindOf(status.st_mode);
        return;
    }
    size_ = status.st_size;
    // Non-blocking too, in case the path was swapped for a pipe since the check.
    const int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error_ = errno;
        failure_ = BankOpenFailure::System;
        return;
    }
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        failure_ = BankOpenFailure::Changed;
        return;
    }
    handle_ = fd;
    size_ = status.st_size;
}

BankFileOpen::~BankFileOpen()
{
    close();
}

bool BankFileOpen::close()
{
    const std::intptr_t fd = std::exchange(handle_, NoHandle);
    return fd == NoHandle || ::close(int(fd)) == 0;
}

std::ptrdiff_t BankFileOpen::read(char *buffer, std::size_t capacity) const
{
    for (;;) {
        const ssize_t got = ::read(int(handle_), buffer, capacity);
        if (got >= 0 || errno != EINTR)
            return got;
    }
}

bool NameTakenHere(const char *name)
{
    struct stat status {};
    return ::lstat(name, &status) == 0 || errno != ENOENT;
}

std::vector<std::string> NamesHere()
{
    std::vector<std::string> names;
    if (DIR *folder = ::opendir(".")) {
        while (const dirent *entry = ::readdir(folder))
            names.emplace_back(entry->d_name);
        ::closedir(folder);
    }
    return names;
}
