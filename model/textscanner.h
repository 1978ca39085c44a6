#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Formatted input in the C locale, in the manner of scanf over a text.
class TextScanner {
public:
    explicit TextScanner(std::string text);

    // The white space a blank in a format skips, and the digits of a number.
    static bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

    bool ReadInt(std::int32_t& value);   // "%d" / "%ld": blanks skipped, optional sign, digits
    bool ReadDouble(double& value);      // "%lf"
    // "%s": blanks skipped, up to the next blank or at most `maxLength` characters ("%24s")
    bool ReadWord(std::string& word, std::size_t maxLength = std::string::npos);
    bool ReadChar(char& c);              // "%c": the next character, blanks not skipped
    bool ReadChars(std::size_t count, std::string& text);  // exactly `count` characters
    bool ReadLine(std::string& line);    // up to the end of the line, the line break consumed
    void SkipBlanks();                   // " " in a format: any white space
    bool Literal(const std::string& expected);  // exactly these characters next
    bool AtEnd() const { return position >= text.size(); }
    std::size_t Position() const { return position; }
    int Line() const;                    // 1-based line number of the current position

private:
    std::string text;
    std::size_t position = 0;
};
