#include "model/textfile.h"

#include "model/drawingstate.h"

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// True (with errno set as an unreadable file would) when an injected read failure strikes this path.
bool InjectedReadFailure(const std::string& path)
{
    TDrawingState& state = State();
    const std::string& end = state.injectedReadPath;
    if (state.injectedReadFailures <= 0 || !path.ends_with(end))
        return false;
    --state.injectedReadFailures;
    errno = EACCES;
    return true;
}

}  // namespace

const char* const NOT_A_REGULAR_FILE = "it is not a regular file";
const char* const LINK_TO_MISSING_FILE = "it is a link to a missing file";

int OpenRegularFile(const std::string& path, int flags, std::string* reason)
{
    // -1 with errno set to `error`, and the reason for the user (the system's, when not given).
    auto refuse = [reason](int error, const char* why) {
        if (reason)
            *reason = why ? why : std::strerror(error);
        errno = error;
        return -1;
    };
    auto refuseAs = [&refuse](const struct stat& info) {
        return S_ISDIR(info.st_mode) ? refuse(EISDIR, nullptr) : refuse(EINVAL, NOT_A_REGULAR_FILE);
    };
    // Looked at before it is opened: opening a named pipe waits for its other end, and opening a
    // device can act on it.
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode))
        return refuseAs(info);
    // Should a pipe take the file's place meanwhile, O_NONBLOCK keeps the open from waiting; the
    // descriptor says what was opened.
    const int opening = (flags & ~O_CREAT) | O_NONBLOCK | O_CLOEXEC;
    int fd = ::open(path.c_str(), opening);
    // A missing file is made only where nothing stands: O_EXCL follows no link, so a link whose
    // target is missing fails (EEXIST) rather than making a file wherever it points. What stands
    // there then is opened as it is, and a link still dangling is refused.
    if (fd < 0 && errno == ENOENT && (flags & O_CREAT) != 0) {
        fd = ::open(path.c_str(), opening | O_CREAT | O_EXCL, 0666);
        if (fd < 0 && errno == EEXIST) {
            fd = ::open(path.c_str(), opening);
            if (fd < 0 && errno == ENOENT)
                return refuse(ENOENT, LINK_TO_MISSING_FILE);
        }
    }
    if (fd < 0)
        return refuse(errno, nullptr);
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        ::close(fd);
        return refuse(error, nullptr);
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        return refuseAs(info);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

bool ReadTextFile(const std::string& path, std::string& text, std::string* reason)
{
    text.clear();
    auto fail = [&](const char* why) {
        text.clear();
        if (reason)
            *reason = why;
        return false;
    };
    if (InjectedReadFailure(path))
        return fail(std::strerror(errno));
    std::string refusal;
    const int fd = OpenRegularFile(path, O_RDONLY, &refusal);
    if (fd < 0)
        return fail(refusal.c_str());
    // Reserve what the file holds now; a file that grows meanwhile still reads whole.
    struct stat info {};
    if (::fstat(fd, &info) == 0 && info.st_size > 0)
        text.reserve(std::size_t(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(fd);
            return fail(std::strerror(error));
        }
        if (got == 0)
            break;
        text.append(buffer, std::size_t(got));
    }
    ::close(fd);
    if (reason)
        reason->clear();
    return true;
}

namespace {

// True (with errno set as the real failure would) when an injected failure strikes at this stage.
bool InjectedFailure(WriteStage stage)
{
    TDrawingState& state = State();
    if (state.injectedWriteFailures <= 0 || state.injectedWriteStage != int(stage))
        return false;
    --state.injectedWriteFailures;
    errno = stage == WriteStage::Write ? ENOSPC : stage == WriteStage::Sync ? EIO : EACCES;
    return true;
}

}  // namespace

void FailNextWrites(int count, WriteStage stage)
{
    State().injectedWriteFailures = std::max(count, 0);
    State().injectedWriteStage = int(stage);
}

void FailNextReads(int count, const std::string& pathEnd)
{
    State().injectedReadFailures = std::max(count, 0);
    State().injectedReadPath = pathEnd;
}

bool IsReadOnlyFile(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    return (info.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0;
}

namespace {

// The file a path names once symbolic links are followed, the last link's target when it does not
// exist yet. False (errno set) for a loop of links.
bool FollowLinks(const std::string& path, std::string& target)
{
    target = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return true;
        std::string link(std::size_t(info.st_size > 0 ? info.st_size : 255) + 1, '\0');
        const ssize_t length = ::readlink(target.c_str(), link.data(), link.size());
        if (length < 0)
            return false;
        link.resize(std::size_t(length));
        // A relative link is relative to the folder that holds it.
        const std::size_t slash = target.find_last_of('/');
        target = link.starts_with('/') || slash == std::string::npos ? link : target.substr(0, slash + 1) + link;
    }
    errno = ELOOP;
    return false;
}

// Makes the temporary file a write goes through, in the folder of `target` so that the rename
// cannot cross file systems. The file is this call's own: O_EXCL makes it afresh, never opening a
// file, a pipe or a link that stands at the name already (nor following a link), and O_NONBLOCK
// keeps the open from ever waiting. A name that is taken gets a numbered one after it. The
// descriptor (its name in `temporary`), or -1 with errno set.
int CreateTemporaryBeside(const std::string& target, std::string& temporary)
{
    const std::string first = target + ".tmp" + std::to_string(::getpid());
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = attempt == 0 ? first : first + "." + std::to_string(attempt);
        const int fd =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// A replaced file at least this large is let go on the closing thread.
constexpr off_t LARGE_FILE = 1 << 20;

// The last close of a large file that a rename has replaced frees its blocks and its cached pages,
// milliseconds a write need not wait for: such a descriptor is closed on a thread kept for it,
// started when first needed. Its queue lives as long as the process, as the thread does.
void CloseLater(int fd)
{
    struct Closing {
        std::mutex guard;
        std::condition_variable waiting;
        std::vector<int> queue;
        bool started = false;
    };
    static Closing* const closing = new Closing;
    std::unique_lock<std::mutex> lock(closing->guard);
    if (!closing->started) {
        try {
            std::thread([] {
                for (;;) {
                    std::vector<int> fds;
                    {
                        std::unique_lock<std::mutex> lock(closing->guard);
                        closing->waiting.wait(lock, [] { return !closing->queue.empty(); });
                        fds.swap(closing->queue);
                    }
                    for (const int fd : fds)
                        ::close(fd);
                }
            }).detach();
            closing->started = true;
        } catch (const std::system_error&) {
            lock.unlock();
            ::close(fd);
            return;
        }
    }
    closing->queue.push_back(fd);
    lock.unlock();
    closing->waiting.notify_one();
}

}  // namespace

bool WriteTextFileAtomic(const std::string& path, const std::string& text, std::string* reason)
{
    return WriteTextFileAtomic(path, [&text](const TTextSink& sink) { return sink(text); }, reason);
}

namespace {

// What a write of `path` replaces: the file a link leads to, and that file's status when it is
// there.
struct TWriteTarget {
    std::string target;
    struct stat old {};
    bool replacing = false;
};

// Looks at what stands where a write of `path` would go. False, with the reason, when the write is
// refused for what stands there.
bool LookAtWriteTarget(const std::string& path, TWriteTarget& place, std::string* reason)
{
    auto refuse = [reason](const char* why) {
        if (reason)
            *reason = why;
        return false;
    };
    auto fail = [&refuse](int error) { return refuse(std::strerror(error)); };
    // A link is written through: its target is replaced, and the link stays a link.
    if (!FollowLinks(path, place.target))
        return fail(errno);
    // A file this process may not write (no write bit, or another user's) is not replaced, whoever
    // runs the program: the rename would ignore its mode and owner. The replacement keeps the mode
    // of the file it replaces.
    place.replacing = ::stat(place.target.c_str(), &place.old) == 0;
    // A link whose target is not there is not followed to make a file wherever it points.
    if (!place.replacing && errno == ENOENT && place.target != path)
        return refuse(LINK_TO_MISSING_FILE);
    // A named pipe, a device or a folder is never replaced by a file.
    if (place.replacing && S_ISDIR(place.old.st_mode))
        return fail(EISDIR);
    if (place.replacing && !S_ISREG(place.old.st_mode))
        return refuse(NOT_A_REGULAR_FILE);
    if (place.replacing && IsReadOnlyFile(place.target))
        return fail(EACCES);
    return true;
}

}  // namespace

bool WritableFilePlace(const std::string& path, std::string* reason)
{
    TWriteTarget place;
    return LookAtWriteTarget(path, place, reason);
}

bool WriteTextFileAtomic(const std::string& path, const TTextSource& produce, std::string* reason)
{
    auto fail = [reason](int error) {
        if (reason)
            *reason = std::strerror(error);
        return false;
    };
    TWriteTarget place;
    if (!LookAtWriteTarget(path, place, reason))
        return false;
    const std::string& target = place.target;
    const struct stat& old = place.old;
    const bool replacing = place.replacing;

    std::string temporary;
    const int fd = CreateTemporaryBeside(target, temporary);
    if (fd < 0)
        return fail(errno);

    int error = 0;
    if (replacing && ::fchmod(fd, old.st_mode & 07777) != 0)
        error = errno;
    std::size_t size = 0;
    auto sink = [fd, &error, &size](std::string_view text) {
        std::size_t written = 0;
        while (error == 0 && written < text.size()) {
            const ssize_t put = ::write(fd, text.data() + written, text.size() - written);
            if (put < 0) {
                if (errno != EINTR)
                    error = errno;
            } else {
                written += std::size_t(put);
            }
        }
        if (error != 0)
            return false;
#ifdef SYNC_FILE_RANGE_WRITE
        // The piece starts on its way to the disk while the next is made: the sync below then
        // waits for little more than the last.
        if (!text.empty())
            ::sync_file_range(fd, off64_t(size), off64_t(text.size()), SYNC_FILE_RANGE_WRITE);
#endif
        size += text.size();
        return true;
    };
    bool whole = false;
    try {
        whole = error == 0 && produce(sink);
    } catch (...) {
        ::close(fd);
        ::unlink(temporary.c_str());
        throw;
    }
    // An injected write failure strikes once the whole text is there (an empty one too), so that a
    // text its source gives up uses none.
    if (error == 0 && whole && InjectedFailure(WriteStage::Write))
        error = errno;
    // A text its source gave up is not written at all.
    if (error == 0 && !whole) {
        ::close(fd);
        ::unlink(temporary.c_str());
        if (reason)
            reason->clear();
        return false;
    }
    if (error == 0 && (InjectedFailure(WriteStage::Sync) || ::fsync(fd) != 0))
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    // A large file being replaced is held open over the rename, so that the rename only unlinks it
    // and the close that frees it can come later, on the closing thread.
    int replaced = error == 0 && replacing && old.st_size >= LARGE_FILE
                       ? ::open(target.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC)
                       : -1;
    // Only the very file looked at before the write is held: anything else put there meanwhile is
    // let go at once.
    struct stat held {};
    if (replaced >= 0 && (::fstat(replaced, &held) != 0 || !S_ISREG(held.st_mode) || held.st_dev != old.st_dev ||
                          held.st_ino != old.st_ino)) {
        ::close(replaced);
        replaced = -1;
    }
    if (error == 0 && (InjectedFailure(WriteStage::Rename) || ::rename(temporary.c_str(), target.c_str()) != 0))
        error = errno;
    if (error != 0) {
        if (replaced >= 0)
            ::close(replaced);
        ::unlink(temporary.c_str());
        return fail(error);
    }

    // Make the rename itself durable; a failure here leaves a complete file either way.
    const std::size_t slash = target.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    if (replaced >= 0)
        CloseLater(replaced);
    return true;
}
