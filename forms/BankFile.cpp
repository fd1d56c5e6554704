#include "BankFile.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {


// The bytes of the source, a buffer at a time, with the end of data
// (end of file or Ctrl-Z) and a failed read told apart.
class BankBytes {
public:
    explicit BankBytes(const BankByteSource &source) : source_(source) {}

    bool failed() const { return failed_; }

    // The next byte, or -1 at the end of data (or after a failure).
    int peek()
    {
        if (!fill())
            return -1;
        const char byte = buffer_[position_];
        return byte == CtrlZ ? -1 : static_cast<unsigned char>(byte);
    }

    void advance() { ++position_; }

    // Skips to the next carriage return or the end of data.
    void skipToLineEnd()
    {
        while (fill()) {
            const char *start = buffer_.data() + position_;
            const std::size_t count = length_ - position_;
            const void *returnAt = std::memchr(start, CarriageReturn, count);
            const void *ctrlZAt = std::memchr(start, CtrlZ, count);
            const char *stop = static_cast<const char *>(returnAt ? returnAt : ctrlZAt);
            if (returnAt && ctrlZAt)
                stop = std::min(static_cast<const char *>(returnAt), static_cast<const char *>(ctrlZAt));
            if (stop) {
                position_ += static_cast<std::size_t>(stop - start);
                return;
            }
            position_ = length_;
        }
    }

private:
    bool fill()
    {
        if (position_ < length_)
            return true;
        if (atEnd_)
            return false;
        const std::ptrdiff_t got = source_(buffer_.data(), buffer_.size());
        position_ = 0;
        length_ = got > 0 ? static_cast<std::size_t>(got) : 0;
        if (got <= 0) {
            atEnd_ = true;
            failed_ = got < 0;
        }
        return length_ > 0;
    }

    const BankByteSource &source_;
    std::array<char, 64 * 1024> buffer_;
    std::size_t position_ = 0;
    std::size_t length_ = 0;
    bool atEnd_ = false;
    bool failed_ = false;
};

// Letters compared in either case; other bytes as they are, whatever the
// locale.
bool SameIgnoringCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, {}, lower, lower);
}

} // namespace

std::string FindBankFile()
{
    const std::string_view wanted = BankFileName;
    struct stat status {};
    if (::lstat(BankFileName, &status) == 0 || errno != ENOENT)
        return std::string(wanted);
    std::string found;
    if (DIR *folder = ::opendir(".")) {
        while (const dirent *entry = ::readdir(folder)) {
            const std::string_view name = entry->d_name;
            if (SameIgnoringCase(name, wanted) && (found.empty() || name < found))
                found = name;
        }
        ::closedir(folder);
    }
    return found.empty() ? std::string(wanted) : found;
}

std::array<std::string_view, BankFieldCount> FieldsAsWritten(std::string_view line)
{
    std::array<std::string_view, BankFieldCount> fields;
    std::size_t from = 0;
    for (std::size_t field = 0; field < BankFieldCount && from <= line.size(); ++field) {
        const std::size_t quoteAt = line.find(FieldEnd, from);
        if (quoteAt == std::string_view::npos) {
            // The loader takes nothing from a line without any quote.
            if (field > 0)
                fields[field] = line.substr(from);
            break;
        }
        fields[field] = line.substr(from, quoteAt - from);
        from = quoteAt + 1;
    }
    return fields;
}

BankEntry SplitBankLine(std::string_view line)
{
    const std::array<std::string_view, BankFieldCount> fields = FieldsAsWritten(line);
    BankEntry entry;
    entry.question = fields[0];
    for (std::size_t answer = 1; answer <= 3; ++answer)
        entry.answers[answer] = fields[answer];
    return entry;
}

bool ReadBank(const BankByteSource &source, const BankEntrySink &store)
{
    BankBytes bytes(source);
    std::array<char, BankLineLength> line;
    for (std::size_t slot = 1; slot <= BankSlots; ++slot) {
        std::size_t length = 0;
        int next = bytes.peek();
        while (next >= 0 && next != CarriageReturn && length < line.size()) {
            line[length++] = static_cast<char>(next);
            bytes.advance();
            next = bytes.peek();
        }
        if (next >= 0 && next != CarriageReturn) {
            bytes.skipToLineEnd(); // the rest of a long line is not used
            next = bytes.peek();
        }
        if (next == CarriageReturn) {
            bytes.advance();
            if (bytes.peek() == LineFeed)
                bytes.advance();
        }
        if (bytes.failed())
            return false;
        store(slot, SplitBankLine(std::string_view(line.data(), length)));
        if (bytes.peek() < 0)
            break;
    }
    return !bytes.failed();
}

bool ReadBankFile(const char *path, const BankEntrySink &store)
{
    // Non-blocking, so that opening a pipe with no writer returns at once;
    // anything but a regular file is then refused.
    const int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat status {};
    bool read = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    if (read) {
        const BankByteSource source = [fd](char *buffer, std::size_t capacity) -> std::ptrdiff_t {
            for (;;) {
                const ssize_t got = ::read(fd, buffer, capacity);
                if (got >= 0 || errno != EINTR)
                    return got;
            }
        };
        read = ReadBank(source, store);
    }
    return ::close(fd) == 0 && read;
}
