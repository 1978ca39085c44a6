#include "model/settingsfile.h"

#include "model/drawingstate.h"
#include "model/typedsettings.h"
#include "model/programdirectory.h"
#include "resources/shippeddefaults.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <locale.h>
#include <map>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The C locale for number formatting, made once; every thread may use it.
locale_t CLocale()
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return c;
}

}  // namespace

std::string FormatC(const char* format, ...)
{
    // Numbers must come out the same whatever the user's locale, so switch this thread to the C
    // locale for the call and back afterwards.
    const locale_t c = CLocale();
    const locale_t previous = c ? uselocale(c) : locale_t(0);

    std::string result;
    char buffer[256];
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int needed = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (needed >= 0) {
        if (std::size_t(needed) < sizeof buffer) {
            result.assign(buffer, std::size_t(needed));
        } else {
            result.resize(std::size_t(needed) + 1);
            std::vsnprintf(result.data(), result.size(), format, again);
            result.resize(std::size_t(needed));
        }
    }
    va_end(again);

    if (c)
        uselocale(previous);
    return result;
}

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

int OpenRegularFile(const std::string& path, int flags, bool& notRegular)
{
    notRegular = false;
    // Looked at before it is opened: opening a named pipe waits for its other end, and opening a
    // device can act on it.
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        notRegular = !S_ISDIR(info.st_mode);
        errno = notRegular ? EINVAL : EISDIR;
        return -1;
    }
    // Should a pipe take the file's place meanwhile, O_NONBLOCK keeps the open from waiting; the
    // descriptor says what was opened.
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0)
        return -1;
    const bool known = ::fstat(fd, &info) == 0;
    if (!known || !S_ISREG(info.st_mode)) {
        const int error = !known ? errno : S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        notRegular = known && !S_ISDIR(info.st_mode);
        ::close(fd);
        errno = error;
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

bool ReadTextFile(const std::string& path, std::string& text, std::string* refusal)
{
    text.clear();
    if (refusal)
        refusal->clear();
    if (InjectedReadFailure(path))
        return false;
    bool notRegular = false;
    const int fd = OpenRegularFile(path, O_RDONLY, notRegular);
    if (fd < 0) {
        if (notRegular && refusal)
            *refusal = NOT_A_REGULAR_FILE;
        return false;
    }
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
            ::close(fd);
            text.clear();
            return false;
        }
        if (got == 0)
            break;
        text.append(buffer, std::size_t(got));
    }
    ::close(fd);
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
    if (::stat(path.c_str(), &info) != 0)
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

}  // namespace

bool WriteTextFileAtomic(const std::string& path, const std::string& text, std::string* reason)
{
    auto fail = [reason](int error) {
        if (reason)
            *reason = std::strerror(error);
        return false;
    };
    // A link is written through: its target is replaced, and the link stays a link.
    std::string target;
    if (!FollowLinks(path, target))
        return fail(errno);
    // A file this process may not write (no write bit, or another user's) is not replaced, whoever
    // runs the program: the rename would ignore its mode and owner. The replacement keeps the mode
    // of the file it replaces.
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    // A named pipe, a device or a folder is never replaced by a file.
    if (replacing && S_ISDIR(old.st_mode))
        return fail(EISDIR);
    if (replacing && !S_ISREG(old.st_mode)) {
        if (reason)
            *reason = NOT_A_REGULAR_FILE;
        return false;
    }
    if (replacing && IsReadOnlyFile(target))
        return fail(EACCES);

    // The temporary file lies in the same folder, so the rename cannot cross file systems.
    const std::string temporary = target + ".tmp" + std::to_string(::getpid());
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return fail(errno);

    int error = 0;
    if (replacing && ::fchmod(fd, old.st_mode & 07777) != 0)
        error = errno;
    std::size_t written = 0;
    while (error == 0 && written < text.size()) {
        const ssize_t put = InjectedFailure(WriteStage::Write) ? -1 : ::write(fd, text.data() + written, text.size() - written);
        if (put < 0) {
            if (errno != EINTR)
                error = errno;
        } else {
            written += std::size_t(put);
        }
    }
    // An empty file is written too: the injected write failure strikes there as well.
    if (error == 0 && text.empty() && InjectedFailure(WriteStage::Write))
        error = errno;
    if (error == 0 && (InjectedFailure(WriteStage::Sync) || ::fsync(fd) != 0))
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && (InjectedFailure(WriteStage::Rename) || ::rename(temporary.c_str(), target.c_str()) != 0))
        error = errno;
    if (error != 0) {
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
    return true;
}

const std::string* ShippedDefault(const std::string& cfgName)
{
    // Built once from the compiled-in table; the strings live for the whole run.
    static const std::map<std::string, std::string> defaults = [] {
        std::map<std::string, std::string> table;
        for (const TShippedDefault& file : ShippedDefaults())
            table.emplace(file.name, std::string(file.bytes));
        return table;
    }();
    const auto found = defaults.find(cfgName);
    return found == defaults.end() ? nullptr : &found->second;
}

std::string ReadSettingsText(const std::string& cfgName)
{
    std::string text;
    if (ReadTextFile(CfgPath(cfgName), text))
        return text;
    const std::string* shipped = ShippedDefault(cfgName);
    return shipped ? *shipped : std::string();
}

// ---------------------------------------------------------------------------------------------
// SettingsRecord

namespace {

// One step of a scanf-style format: a conversion, a run of blanks, or literal text.
struct FormatStep {
    enum Kind { Field, Blanks, Text } kind = Text;
    char conversion = 0;     // 'd', 'f', 'c', 's' for a field
    std::size_t width = 0;   // maximum width for %s, count for %c; 0 when none was given
    std::string literal;     // for Text
};

std::vector<FormatStep> SplitFormat(const std::string& format)
{
    std::vector<FormatStep> steps;
    std::size_t i = 0;
    while (i < format.size()) {
        const char c = format[i];
        if (TextScanner::IsBlank(c)) {
            while (i < format.size() && TextScanner::IsBlank(format[i]))
                ++i;
            steps.push_back({FormatStep::Blanks, 0, 0, {}});
            continue;
        }
        if (c == '%' && i + 1 < format.size() && format[i + 1] == '%') {
            if (steps.empty() || steps.back().kind != FormatStep::Text)
                steps.push_back({FormatStep::Text, 0, 0, {}});
            steps.back().literal += '%';
            i += 2;
            continue;
        }
        if (c == '%') {
            std::size_t j = i + 1;
            std::size_t width = 0;
            while (j < format.size() && TextScanner::IsDigit(format[j]))
                width = width * 10 + std::size_t(format[j++] - '0');
            if (j < format.size() && format[j] == 'l')  // %ld and %lf: int32 and double all the same
                ++j;
            if (j >= format.size())
                throw std::invalid_argument("incomplete conversion in settings format: " + format);
            const char conversion = format[j];
            if (conversion != 'd' && conversion != 'f' && conversion != 'c' && conversion != 's')
                throw std::invalid_argument("unsupported conversion in settings format: " + format);
            steps.push_back({FormatStep::Field, conversion, width, {}});
            i = j + 1;
            continue;
        }
        if (steps.empty() || steps.back().kind != FormatStep::Text)
            steps.push_back({FormatStep::Text, 0, 0, {}});
        steps.back().literal += c;
        ++i;
    }
    return steps;
}

}  // namespace

SettingsRecord::SettingsRecord(const std::string& cfgName, const std::string& format)
{
    std::string text;
    // A file that cannot be opened reads as empty, so every field comes from the default.
    ReadTextFile(CfgPath(cfgName), text);
    const std::string* fallback = ShippedDefault(cfgName);
    Parse(text, fallback ? *fallback : std::string(), format);
}

SettingsRecord::SettingsRecord(const std::string& text, const std::string& defaultText, const std::string& format)
{
    Parse(text, defaultText, format);
}

void SettingsRecord::Parse(const std::string& text, const std::string& defaultText, const std::string& format)
{
    const std::vector<FormatStep> steps = SplitFormat(format);
    for (const FormatStep& step : steps)
        if (step.kind == FormatStep::Field) {
            Field field;
            field.kind = step.conversion;
            fields.push_back(field);
        }

    // Reads the record from `source` into the fields from index `from` on, stopping at the first
    // field or literal that does not match, as scanf does. Returns the number of fields read.
    auto readInto = [&](const std::string& source, std::size_t from) {
        TextScanner scanner(source);
        std::size_t index = 0;
        for (const FormatStep& step : steps) {
            switch (step.kind) {
            case FormatStep::Blanks:
                scanner.SkipBlanks();
                break;
            case FormatStep::Text:
                if (!scanner.Literal(step.literal))
                    return index;
                break;
            case FormatStep::Field: {
                Field value;
                value.kind = step.conversion;
                bool ok = false;
                switch (step.conversion) {
                case 'd':
                    ok = scanner.ReadInt(value.i);
                    break;
                case 'f':
                    ok = scanner.ReadDouble(value.d);
                    break;
                case 'c':
                    if (step.width > 1) {
                        ok = scanner.ReadChars(step.width, value.s);
                        if (ok)
                            value.c = value.s[0];
                    } else {
                        ok = scanner.ReadChar(value.c);
                        if (ok)
                            value.s.assign(1, value.c);
                    }
                    break;
                case 's':
                    ok = scanner.ReadWord(value.s, step.width > 0 ? step.width : std::string::npos);
                    if (ok && !value.s.empty())
                        value.c = value.s[0];
                    break;
                }
                if (!ok)
                    return index;
                if (index >= from)
                    fields[index] = value;
                ++index;
                break;
            }
            }
        }
        return index;
    };

    fieldsFromFile = readInto(text, 0);
    if (fieldsFromFile < fields.size())
        readInto(defaultText, fieldsFromFile);
}

std::int32_t SettingsRecord::Int(std::size_t field) const
{
    const Field& f = fields.at(field);
    if (f.kind == 'f') {
        // A real asked for as an integer: truncated toward zero, kept inside the int32 range.
        if (!(f.d > -2147483648.0))
            return std::numeric_limits<std::int32_t>::min();
        if (!(f.d < 2147483647.0))
            return std::numeric_limits<std::int32_t>::max();
        return std::int32_t(f.d);
    }
    if (f.kind == 'c')
        return std::int32_t(static_cast<unsigned char>(f.c));
    return f.i;
}

double SettingsRecord::Double(std::size_t field) const
{
    const Field& f = fields.at(field);
    return f.kind == 'f' ? f.d : double(f.i);
}

char SettingsRecord::Char(std::size_t field) const { return fields.at(field).c; }

const std::string& SettingsRecord::Text(std::size_t field) const { return fields.at(field).s; }

namespace {

// True when the file (a link's target) is a regular file holding exactly these bytes. Not a read
// the program makes of its settings: no injected read failure strikes it.
bool HoldsBytes(const std::string& path, const std::string& text)
{
    bool notRegular = false;
    const int fd = OpenRegularFile(path, O_RDONLY, notRegular);
    if (fd < 0)
        return false;
    struct stat info {};
    bool same = ::fstat(fd, &info) == 0 && std::size_t(info.st_size) == text.size();
    char buffer[65536];
    for (std::size_t at = 0; same && at < text.size();) {
        const ssize_t got = ::read(fd, buffer, std::min(sizeof buffer, text.size() - at));
        if (got < 0 && errno == EINTR)
            continue;
        same = got > 0 && std::memcmp(buffer, text.data() + at, std::size_t(got)) == 0;
        at += got > 0 ? std::size_t(got) : 0;
    }
    ::close(fd);
    return same;
}

}  // namespace

bool WriteSettingsFile(const std::string& cfgName, const std::string& text, std::string* reason)
{
    // A file that holds these bytes already is left as it is: writing it again would only cost a
    // flush to disk.
    const std::string path = CfgPath(cfgName);
    if (HoldsBytes(path, text))
        return true;
    return WriteTextFileAtomic(path, text, reason);
}

std::string FormatSettingsFields(const std::string& format, const std::vector<TSettingsValue>& values)
{
    std::string out;
    std::size_t next = 0;
    std::size_t i = 0;
    auto value = [&]() -> const TSettingsValue& {
        if (next >= values.size())
            throw std::invalid_argument("too few values for settings format: " + format);
        return values[next++];
    };
    while (i < format.size()) {
        if (format[i] != '%') {
            out += format[i++];
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%') {
            out += '%';
            i += 2;
            continue;
        }
        // One conversion: '%', a width, an optional 'l', the conversion letter.
        std::size_t j = i + 1;
        while (j < format.size() && TextScanner::IsDigit(format[j]))
            ++j;
        const bool isLong = j < format.size() && format[j] == 'l';
        if (isLong)
            ++j;
        if (j >= format.size())
            throw std::invalid_argument("incomplete conversion in settings format: " + format);
        const std::string spec = format.substr(i, j + 1 - i);
        const TSettingsValue& v = value();
        switch (format[j]) {
        case 'd':
            if (!std::holds_alternative<std::int32_t>(v))
                throw std::invalid_argument("an integer field expected in settings format: " + format);
            out += isLong ? FormatC(spec.c_str(), long(std::get<std::int32_t>(v)))
                          : FormatC(spec.c_str(), int(std::get<std::int32_t>(v)));
            break;
        case 'f':
            if (!std::holds_alternative<double>(v))
                throw std::invalid_argument("a real field expected in settings format: " + format);
            out += FormatC(spec.c_str(), std::get<double>(v));
            break;
        case 'c':
            if (std::holds_alternative<char>(v))
                out += std::get<char>(v);
            else if (std::holds_alternative<std::string>(v))
                out += std::get<std::string>(v);
            else
                throw std::invalid_argument("a character field expected in settings format: " + format);
            break;
        case 's':
            if (!std::holds_alternative<std::string>(v))
                throw std::invalid_argument("a text field expected in settings format: " + format);
            out += std::get<std::string>(v);
            break;
        default:
            throw std::invalid_argument("unsupported conversion in settings format: " + format);
        }
        i = j + 1;
    }
    if (next != values.size())
        throw std::invalid_argument("too many values for settings format: " + format);
    return out;
}

