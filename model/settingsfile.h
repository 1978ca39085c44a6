#pragma once
// Settings files and other small text files: exact formats, numbers always in the C locale,
// whole-file writes that replace the old file atomically, and the shipped defaults for a file that
// is missing or too short.
#include "model/textscanner.h"

#include <cstdint>
#include <string>
#include <vector>

// printf in the C locale, whatever the user's locale.
std::string FormatC(const char* format, ...) __attribute__((format(printf, 1, 2)));

// True when the file (a link's target) is there but may not be written: no write permission for
// anyone, or none for this user. Root may write anything, so the mode alone decides for root.
bool IsReadOnlyFile(const std::string& path);

// Why a file that is there (a link's target) is refused for reading and writing when it is a
// named pipe, a device or a socket: opening a pipe waits for a writer, and replacing a device
// would take it away. (A folder gets the system's own reason, "Is a directory".)
extern const char* const NOT_A_REGULAR_FILE;

// Opens a regular file (a link's target) with `flags` (O_RDONLY, O_WRONLY | O_APPEND, with or
// without O_CREAT) without ever waiting: a file that is there but is not a regular file is not
// opened at all. The descriptor, or -1 with errno set (EISDIR for a folder); `notRegular` says
// whether the file was refused as a pipe, a device or a socket.
int OpenRegularFile(const std::string& path, int flags, bool& notRegular);

// Reads a whole file. False (and `text` emptied) when it cannot be opened or is not a regular
// file; `refusal`, when given, is then NOT_A_REGULAR_FILE for a pipe, a device or a socket, and
// empty for a file that is missing, unreadable or a folder.
bool ReadTextFile(const std::string& path, std::string& text, std::string* refusal = nullptr);

// Writes a whole file through a temporary file in the same folder renamed over the old one, so a
// crash or a full disk never leaves half a file. A symbolic link is written through to its target
// (the temporary file beside the target); the new file keeps the old one's mode, and a file
// without write permission or one that is not a regular file (a named pipe, a device, a folder) is
// refused, never replaced. False when it could not be written; `reason`, when given, then says why
// ("No space left on device", NOT_A_REGULAR_FILE).
bool WriteTextFileAtomic(const std::string& path, const std::string& text, std::string* reason = nullptr);

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

// The shipped default of a settings file under CFG/ by its name ("CLR.CFG"); null when none ships.
const std::string* ShippedDefault(const std::string& cfgName);
// The text of CFG/<cfgName>: the file's, its shipped default when it cannot be opened, else empty.
std::string ReadSettingsText(const std::string& cfgName);

// One record read with a scanf-style format made of %d, %ld, %lf, %c, %s and literal text.
// Fields the file does not supply (missing file, short or malformed record) are taken from the
// shipped default of the same file, read with the same format.
// As in scanf: a blank in the format skips any white space, reading stops at the first field or
// literal that does not match, "%Nc" reads exactly N characters (Text), "%Ns" at most N, "%%" is a
// percent sign. Every integer is an int32 (an out-of-range number is malformed); a real must be
// finite. A format with any other conversion is a programming error: std::invalid_argument.
class SettingsRecord {
public:
    // Reads CFG/<cfgName> below the program directory.
    SettingsRecord(const std::string& cfgName, const std::string& format);
    // Reads an explicit text (and, for the fallback, the default text), for tests and callers
    // that already hold the text.
    SettingsRecord(const std::string& text, const std::string& defaultText, const std::string& format);

    std::int32_t Int(std::size_t field) const;
    double Double(std::size_t field) const;
    char Char(std::size_t field) const;
    const std::string& Text(std::size_t field) const;
    std::size_t Size() const { return fields.size(); }
    bool FromFile() const { return fieldsFromFile == fields.size(); }  // every field came from the file

private:
    struct Field {
        char kind = 'd';  // 'd', 'f', 'c', 's'
        std::int32_t i = 0;
        double d = 0.0;
        char c = 0;
        std::string s;
    };
    std::vector<Field> fields;
    std::size_t fieldsFromFile = 0;
    void Parse(const std::string& text, const std::string& defaultText, const std::string& format);
};

// Writes CFG/<cfgName> below the program directory, whole and atomically, unless it holds these
// bytes already: then it is left untouched (and true). False when it could not be written;
// `reason`, when given, then says why.
bool WriteSettingsFile(const std::string& cfgName, const std::string& text, std::string* reason = nullptr);
// The same, for callers that only need to know whether it worked.
inline bool WriteSettings(const std::string& cfgName, const std::string& text)
{
    return WriteSettingsFile(cfgName, text);
}
