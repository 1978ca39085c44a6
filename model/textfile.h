#pragma once
// Whole text files: read without ever waiting on a pipe, written whole through a temporary file
// renamed over the old one, and failures injected for tests.
#include <functional>
#include <string>
#include <string_view>

// True when the file (a link's target) is a regular file that may not be written: no write
// permission for anyone, or none for this user. Root may write anything, so the mode alone decides
// for root. A folder, a pipe or a device is refused for what it is, not for its mode.
bool IsReadOnlyFile(const std::string& path);

// Why a file that is there (a link's target) is refused for reading and writing when it is a
// named pipe, a device or a socket: opening a pipe waits for a writer, and replacing a device
// would take it away. (A folder gets the system's own reason, "Is a directory".)
extern const char* const NOT_A_REGULAR_FILE;
// Why a file is not made through a symbolic link whose target is not there: a file is made only
// where nothing stands, never wherever such a link points (outside the program's folders, maybe).
extern const char* const LINK_TO_MISSING_FILE;

// Opens a regular file (a link's target) with `flags` (O_RDONLY, O_WRONLY | O_APPEND, with or
// without O_CREAT) without ever waiting: a file that is there but is not a regular file is not
// opened at all. O_CREAT makes a file only where nothing stands: a link whose target is missing
// is not followed to make one (ENOENT, LINK_TO_MISSING_FILE). The descriptor, or -1 with errno set
// (EISDIR for a folder) and `reason`, when given, saying why: NOT_A_REGULAR_FILE for a pipe, a
// device or a socket, LINK_TO_MISSING_FILE, else the system's reason ("Is a directory").
int OpenRegularFile(const std::string& path, int flags, std::string* reason = nullptr);

// Reads a whole file. False (and `text` emptied) when it cannot be opened or read or is not a
// regular file; `reason`, when given, then says why: NOT_A_REGULAR_FILE for a pipe, a device or a
// socket, else the system's reason ("Permission denied", "Is a directory").
bool ReadTextFile(const std::string& path, std::string& text, std::string* reason = nullptr);

// Writes a whole file through a temporary file in the same folder renamed over the old one, so a
// crash or a full disk never leaves half a file. The temporary file is made afresh by the write,
// never opened through a link or where a file, a link or a pipe stands already (another name is
// taken then). A symbolic link is written through to its target (the temporary file beside the
// target), but a link whose target is not there is refused: the file is not made wherever it
// points. The new file keeps the old one's mode, and a file without write permission or one that
// is not a regular file (a named pipe, a device, a folder) is refused, never replaced. False when
// it could not be written; `reason`, when given, then says why ("No space left on device",
// NOT_A_REGULAR_FILE, LINK_TO_MISSING_FILE). A large file replaced is freed after the call
// returns.
bool WriteTextFileAtomic(const std::string& path, const std::string& text, std::string* reason = nullptr);
// The same for a text made while it is written: the source hands each piece in turn to the sink it
// is given, which writes it at once and returns false when the write has failed (the source
// should stop then). A source that returns false gives the write up: nothing is written, and
// `reason` is emptied for the caller to say why.
using TTextSink = std::function<bool(std::string_view)>;
using TTextSource = std::function<bool(const TTextSink&)>;
bool WriteTextFileAtomic(const std::string& path, const TTextSource& produce, std::string* reason = nullptr);
// True when what stands at `path` lets WriteTextFileAtomic write it: nothing, a regular file this
// process may write, or a link to one. False otherwise, with `reason` (when given) as the write
// would give it ("Is a directory", NOT_A_REGULAR_FILE, LINK_TO_MISSING_FILE). Writes nothing: a
// full disk shows only when the file is written.
bool WritableFilePlace(const std::string& path, std::string* reason = nullptr);

// The stage of a file write at which an injected failure strikes.
enum class WriteStage { Write, Sync, Rename };
// Makes the next `count` file writes (drawing, settings, library and paste files) fail at `stage`,
// as a full disk, a failing device or a refused rename would: for tests and arkweld-script, where
// permissions cannot stop a write (CI runs as root). 0 ends it.
void FailNextWrites(int count, WriteStage stage = WriteStage::Write);

// Makes the next `count` reads of a file whose path ends in `pathEnd` (any file when empty) fail
// as an unreadable file would: for tests and arkweld-script, where permissions cannot stop a read
// (CI runs as root). 0 ends it.
void FailNextReads(int count, const std::string& pathEnd = std::string());
