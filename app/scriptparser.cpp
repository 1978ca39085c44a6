#include "app/scriptparser.h"

#include "platform/scriptanswer.h"

#include <cctype>
#include <charconv>
#include <vector>

namespace {

std::string Upper(std::string text)
{
    for (char& c : text)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// The line without its comment and without blanks at either end.
std::string StripComment(const std::string& line)
{
    bool quoted = false;
    std::size_t end = line.size();
    for (std::size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (quoted && c == '\\' && i + 1 < line.size()) {
            ++i;
            continue;
        }
        if (c == '"')
            quoted = !quoted;
        else if (c == '#' && !quoted) {
            end = i;
            break;
        }
    }
    std::string text = line.substr(0, end);
    std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    std::size_t last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

bool ParseInt(const std::string& text, int& value)
{
    if (text.empty())
        return false;
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    if (*begin == '+')
        ++begin;
    auto [ptr, ec] = std::from_chars(begin, end, value);
    return ec == std::errc() && ptr == end;
}

bool IsDigits(const std::string& text)
{
    if (text.empty())
        return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

// A character or key code written in decimal, 1 to 255; 0 when the text is not one.
int DecimalCode(const std::string& text)
{
    int code = 0;
    return IsDigits(text) && ParseInt(text, code) && code > 0 && code < 256 ? code : 0;
}

// The text after the statement's first word.
std::string Rest(const std::string& text, const std::string& keyword)
{
    std::string rest = text.substr(keyword.size());
    std::size_t first = rest.find_first_not_of(" \t");
    return first == std::string::npos ? std::string() : rest.substr(first);
}

bool ParsePoint(const std::vector<ScriptWord>& words, std::size_t from, ScriptStatement& statement,
                bool allowModel, std::string& error)
{
    std::vector<std::string> parts;
    for (std::size_t i = from; i < words.size(); ++i)
        parts.push_back(words[i].text);
    bool model = false;
    if (allowModel && !parts.empty() && !parts[0].empty() && parts[0][0] == '@') {
        model = true;
        parts[0].erase(0, 1);
        if (parts[0].empty())
            parts.erase(parts.begin());
    }
    if (parts.size() != 2 || !ParseInt(parts[0], statement.x) || !ParseInt(parts[1], statement.y)) {
        error = "expected two whole numbers X Y";
        return false;
    }
    statement.hasPoint = true;
    statement.modelPoint = model;
    return true;
}

}  // namespace

int ScriptKeyCode(const std::string& name)
{
    const std::string key = Upper(name);
    if (key == "ENTER")
        return 13;
    if (key == "LEFT")
        return 37;
    if (key == "UP")
        return 38;
    if (key == "RIGHT")
        return 39;
    if (key == "DOWN")
        return 40;
    if (key == "ADD")
        return 107;
    if (key == "SUBTRACT")
        return 109;
    if (key == "ESCAPE")
        return 27;
    if (key == "F1")
        return 112;
    if (key.size() == 1 && key[0] >= 'A' && key[0] <= 'Z')
        return key[0];
    return DecimalCode(key);
}

bool ParseScriptStatement(const std::string& line, ScriptStatement& statement, std::string& error)
{
    statement = ScriptStatement{};
    const std::string text = StripComment(line);
    if (text.empty())
        return true;
    std::vector<ScriptWord> words;
    if (!SplitScriptWords(text, words, error))
        return false;
    const std::string keyword = words[0].text;
    using Kind = ScriptStatement::Kind;

    if (keyword == "dialog" || keyword == "input" || keyword == "message" || keyword == "colour" ||
        keyword == "choose") {
        ScriptAnswer answer;
        if (!ParseScriptAnswer(words, answer, error))
            return false;
        statement.kind = Kind::Answer;
        statement.text = text;
        return true;
    }
    if (keyword == "dir" || keyword == "command" || keyword == "open") {
        std::string rest = Rest(text, keyword);
        if (rest.empty()) {
            error = keyword + " needs an argument";
            return false;
        }
        if (keyword == "dir") {
            statement.kind = Kind::Dir;
            statement.text = rest;
        } else if (keyword == "open") {
            statement.kind = Kind::Open;
            statement.text = rest;
        } else {
            statement.kind = Kind::Command;
            if (IsDigits(rest)) {
                if (!ParseInt(rest, statement.commandId) || statement.commandId <= 0) {
                    error = "bad command id " + rest;
                    return false;
                }
            } else {
                statement.text = rest;
            }
        }
        return true;
    }
    if (keyword == "client") {
        if (words.size() != 3 || !ParseInt(words[1].text, statement.x) || !ParseInt(words[2].text, statement.y) ||
            statement.x < 1 || statement.y < 1 || statement.x > 10000 || statement.y > 10000) {
            error = "client needs a width and a height of 1 to 10000 pixels";
            return false;
        }
        statement.kind = Kind::Client;
        return true;
    }
    if (keyword == "at" || keyword == "move") {
        if (!ParsePoint(words, 1, statement, false, error))
            return false;
        statement.kind = keyword == "at" ? Kind::At : Kind::Move;
        statement.modelPoint = keyword == "at";
        return true;
    }
    if (keyword == "ldown" || keyword == "lup" || keyword == "rdown" || keyword == "click") {
        if (words.size() > 1 && !ParsePoint(words, 1, statement, true, error))
            return false;
        statement.kind = keyword == "ldown" ? Kind::LDown
                         : keyword == "lup" ? Kind::LUp
                         : keyword == "rdown" ? Kind::RDown
                                              : Kind::Click;
        return true;
    }
    if (keyword == "key" || keyword == "keyup") {
        if (words.size() != 2 || !(statement.key = ScriptKeyCode(words[1].text))) {
            error = keyword + " needs one key name";
            return false;
        }
        statement.kind = keyword == "key" ? Kind::Key : Kind::KeyUp;
        return true;
    }
    if (keyword == "char") {
        if (words.size() != 2) {
            error = "char needs one character";
            return false;
        }
        const std::string& c = words[1].text;
        const std::string name = Upper(c);
        int code = 0;
        if (c.size() == 1)
            code = static_cast<unsigned char>(c[0]);
        else if (name == "ENTER")
            code = 13;
        else if (name == "SPACE")
            code = 32;
        else if (name == "BACKSPACE")
            code = 8;
        else
            code = DecimalCode(c);
        if (code == 0) {
            error = "char needs one character, ENTER, SPACE, BACKSPACE or a character code";
            return false;
        }
        statement.kind = Kind::Char;
        statement.key = code;
        return true;
    }
    if (keyword == "paint" || keyword == "status" || keyword == "dump" || keyword == "check") {
        if (words.size() != 1) {
            error = keyword + " takes no argument";
            return false;
        }
        statement.kind = keyword == "paint"    ? Kind::Paint
                         : keyword == "status" ? Kind::Status
                         : keyword == "dump"   ? Kind::Dump
                                               : Kind::Check;
        return true;
    }
    if (keyword == "failwrites") {
        const char* const usage =
            "failwrites needs a count of 0 to 1000000 and at most one stage: write, sync or rename";
        if (words.size() < 2 || words.size() > 3 || !IsDigits(words[1].text) ||
            !ParseInt(words[1].text, statement.failCount) || statement.failCount > MAX_FAILED_WRITES) {
            error = usage;
            return false;
        }
        if (words.size() == 3) {
            const std::string stage = words[2].text;
            if (stage == "write")
                statement.failStage = WriteStage::Write;
            else if (stage == "sync")
                statement.failStage = WriteStage::Sync;
            else if (stage == "rename")
                statement.failStage = WriteStage::Rename;
            else {
                error = usage;
                return false;
            }
        }
        statement.kind = Kind::FailWrites;
        return true;
    }
    if (keyword == "failreads") {
        if (words.size() < 2 || words.size() > 3 || !IsDigits(words[1].text) ||
            !ParseInt(words[1].text, statement.failCount) || statement.failCount > MAX_FAILED_WRITES) {
            error = "failreads needs a count of 0 to 1000000 and at most one file name";
            return false;
        }
        if (words.size() == 3)
            statement.text = words[2].text;
        statement.kind = Kind::FailReads;
        return true;
    }
    error = "unknown statement " + keyword;
    return false;
}
