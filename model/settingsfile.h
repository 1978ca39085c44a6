#pragma once
// Settings files: exact formats, numbers always in the C locale, and the shipped defaults for a
// file that is missing or too short. Whole files are read and written through model/textfile.h.
#include "model/textfile.h"
#include "model/textscanner.h"

#include <cstdint>
#include <string>
#include <vector>

// printf in the C locale, whatever the user's locale.
std::string FormatC(const char* format, ...) __attribute__((format(printf, 1, 2)));

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
