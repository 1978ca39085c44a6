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
    const int fd = OpenRegularFile(path, O_RDONLY);
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

