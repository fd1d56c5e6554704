#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// What the tests need from the system they run on: the odd kinds of path a
// bank reader must refuse, file times to the nanosecond, and the line end
// of text a console program prints. TestSystemPosix.cpp and
// TestSystemWindows.cpp hold the two forms; the build picks one.
//
// The makers return false where the system has no such thing in a folder;
// the caller then skips, saying which.

// A FIFO at the path, or on Windows, which keeps named pipes under
// \\.\pipe and never in a folder, a pipe of a name of its own; path() says
// where.
// With a writer, one end is held open for writing (and never written), so a
// blocking read would wait forever.
class TestFifo {
public:
    static bool InFolders();
    TestFifo(const QByteArray &path, bool withWriter);
    ~TestFifo(); // unblocks a reader left waiting, then lets go of the writer
    TestFifo(const TestFifo &) = delete;
    TestFifo &operator=(const TestFifo &) = delete;
    bool made() const { return made_; }
    QByteArray path() const { return path_; }

private:
    QByteArray path_;
    qintptr writer_ = -1; // a file descriptor or a HANDLE
    bool made_ = false;
};

bool SymlinksSupported();
// A symbolic link at `path` to `target`; false when it could not be made.
bool MakeSymlink(const QByteArray &target, const QByteArray &path);

// The device that reads as empty: /dev/null, or NUL on Windows.
QByteArray NullDevice();

// Makes the file unreadable to this process; returns why it cannot when it
// cannot (running as root, or on a system where a test cannot deny itself),
// empty once done.
QString MakeUnreadable(const QByteArray &path);

// Makes the file read-only (its mode, or on Windows its read-only mark);
// returns why it cannot matter (root writes any file), empty once done.
QString MakeReadOnly(const QByteArray &path);

// Holds the file open sharing it with no one, as any program on Windows may:
// meanwhile nothing else may read, write, replace or delete it, not even
// this process through another handle. POSIX has no such lock: refusal()
// then says so, as it says why the file could not be held.
class ExclusiveHold {
public:
    explicit ExclusiveHold(const QByteArray &path);
    ~ExclusiveHold();
    ExclusiveHold(const ExclusiveHold &) = delete;
    ExclusiveHold &operator=(const ExclusiveHold &) = delete;
    QString refusal() const { return refusal_; }
    // Writes the bytes over the file's start through the hold, so that a
    // watcher sees it change while no one else can read it.
    bool rewrite(const QByteArray &bytes);

private:
    qintptr handle_ = -1;
    QString refusal_;
};

// A limit on the size of the files this process may write, for as long as
// the object lives, with SIGXFSZ ignored, so that a write past it fails as
// on a full disk, even for root. Windows has no such limit: refusal() says
// so.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;
    QString refusal() const { return refusal_; }

private:
    bool set_ = false;
    quint64 before_ = 0; // the limit that was, to come back
    QString refusal_;
};

// A file's modification time: whole seconds since 1970 and nanoseconds.
struct FileTime {
    qint64 seconds = 0;
    qint64 nanoseconds = 0;
    friend bool operator==(const FileTime &, const FileTime &) = default;
};
std::optional<FileTime> ModificationTime(const QByteArray &path);
// Sets it to a time well in the past (not through a link), so any write
// would show.
void Backdate(const QByteArray &path);

// Everything about the path itself that a write could change, without its
// content: kind, size, times and a link's target; nullopt when nothing is
// there. `regular` says whether the content is worth hashing.
struct PathStatus {
    QByteArray print;
    bool regular = false;
    qint64 size = 0;
};
std::optional<PathStatus> StatusOf(const QByteArray &path);

// How a console program's printed lines end here: "\n", or "\r\n" on
// Windows, where the C runtime writes text in that form.
QByteArray PrintedLineEnd();
