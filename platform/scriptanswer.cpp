#include "platform/scriptanswer.h"

#include "platform/dialogrunner.h"

#include <cctype>
#include <charconv>
#include <cstdio>

bool SplitScriptWords(const std::string& line, std::vector<ScriptWord>& words, std::string& error)
{
    words.clear();
    std::size_t i = 0;
    while (true) {
        while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i])))
            ++i;
        if (i >= line.size())
            return true;
        ScriptWord word;
        if (line[i] == '"') {
            word.quoted = true;
            ++i;
            bool closed = false;
            while (i < line.size()) {
                char c = line[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c == '\\' && i < line.size() && (line[i] == '"' || line[i] == '\\'))
                    c = line[i++];
                word.text += c;
            }
            if (!closed) {
                error = "unclosed quote";
                return false;
            }
            if (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i]))) {
                error = "a blank must follow a closing quote";
                return false;
            }
        } else {
            while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i])))
                word.text += line[i++];
        }
        words.push_back(std::move(word));
    }
}

static bool ParseInt(const ScriptWord& word, int& value)
{
    const std::string& s = word.text;
    if (word.quoted || s.empty())
        return false;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    return ec == std::errc() && end == s.data() + s.size();
}

static bool ParseDialogAnswer(const std::vector<ScriptWord>& words, DialogAnswer& answer, std::string& error)
{
    if (words.size() < 2 || !ParseInt(words[1], answer.resourceId)) {
        error = "dialog needs a resource id";
        return false;
    }
    std::size_t i = 2;
    auto control = [&](DialogAction& action) {
        if (i >= words.size() || !ParseInt(words[i], action.control)) {
            error = "\"" + words[i - 1].text + "\" needs a control id";
            return false;
        }
        ++i;
        return true;
    };
    auto text = [&](DialogAction& action) {
        if (i >= words.size()) {
            error = "\"" + words[i - 2].text + " " + words[i - 1].text + "\" needs a text";
            return false;
        }
        action.text = words[i++].text;
        return true;
    };
    while (i < words.size()) {
        const ScriptWord& verb = words[i++];
        DialogAction action;
        bool ok = true;
        if (verb.quoted) {
            error = "unexpected text \"" + verb.text + "\"";
            return false;
        } else if (verb.text == "set") {
            action.kind = DialogAction::Kind::Set;
            ok = control(action) && text(action);
        } else if (verb.text == "check") {
            action.kind = DialogAction::Kind::Check;
            ok = control(action);
        } else if (verb.text == "uncheck") {
            action.kind = DialogAction::Kind::Uncheck;
            ok = control(action);
        } else if (verb.text == "select") {
            action.kind = DialogAction::Kind::Select;
            ok = control(action) && text(action);
        } else if (verb.text == "press") {
            action.kind = DialogAction::Kind::Press;
            ok = control(action);
        } else if (verb.text == "ok" || verb.text == "cancel") {
            action.kind = verb.text == "ok" ? DialogAction::Kind::Ok : DialogAction::Kind::Cancel;
            if (i != words.size()) {
                error = "\"" + verb.text + "\" must end the dialog answer";
                return false;
            }
        } else {
            error = "unknown dialog action \"" + verb.text + "\"";
            return false;
        }
        if (!ok)
            return false;
        answer.actions.push_back(std::move(action));
    }
    if (answer.actions.empty() || (answer.actions.back().kind != DialogAction::Kind::Ok &&
                                   answer.actions.back().kind != DialogAction::Kind::Cancel)) {
        error = "a dialog answer ends with ok or cancel";
        return false;
    }
    return true;
}

// Six hexadecimal digits red, green, blue, as 0x00BBGGRR.
static bool ParseRgb(const std::string& text, unsigned& colour)
{
    if (text.size() != 6)
        return false;
    unsigned rgb = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), rgb, 16);
    if (ec != std::errc() || end != text.data() + text.size())
        return false;
    colour = ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
    return true;
}

bool ParseScriptAnswer(const std::vector<ScriptWord>& words, ScriptAnswer& answer, std::string& error)
{
    if (words.empty() || words[0].quoted) {
        error = "an answer starts with dialog, input, colour, message or choose";
        return false;
    }
    const std::string& kind = words[0].text;
    if (kind == "dialog") {
        DialogAnswer dialog;
        if (!ParseDialogAnswer(words, dialog, error))
            return false;
        answer = std::move(dialog);
        return true;
    }
    if (kind == "input") {
        if (words.size() != 2) {
            error = words.size() < 2 ? "input needs a text, cancel or ok" : "input takes one text (quote a text with blanks)";
            return false;
        }
        InputAnswer input;
        if (!words[1].quoted && words[1].text == "cancel")
            input.cancel = true;
        else if (!words[1].quoted && words[1].text == "ok")
            input.keep = true;
        else
            input.text = words[1].text;
        answer = std::move(input);
        return true;
    }
    if (kind == "colour") {
        ColourAnswer colour;
        if (words.size() == 2 && !words[1].quoted && words[1].text == "cancel") {
            colour.cancel = true;
        } else if (words.size() != 2 || words[1].quoted || !ParseRgb(words[1].text, colour.colour)) {
            error = "colour takes six hexadecimal digits RRGGBB or cancel";
            return false;
        }
        answer = colour;
        return true;
    }
    if (kind == "message") {
        MessageAnswer message;
        std::string choice = words.size() == 2 && !words[1].quoted ? words[1].text : "";
        if (choice == "ok")
            message.result = IDOK;
        else if (choice == "cancel")
            message.result = IDCANCEL;
        else if (choice == "yes")
            message.result = IDYES;
        else if (choice == "no")
            message.result = IDNO;
        else if (choice == "enter")
            message.enter = true;
        else {
            error = "message takes one of ok, cancel, yes, no, enter";
            return false;
        }
        answer = message;
        return true;
    }
    if (kind == "choose") {
        if (words.size() != 2) {
            error = "choose takes one name (quote a name with blanks) or cancel";
            return false;
        }
        ChoiceAnswer choice;
        if (!words[1].quoted && words[1].text == "cancel")
            choice.cancel = true;
        else
            choice.name = words[1].text;
        answer = std::move(choice);
        return true;
    }
    error = "unknown answer \"" + kind + "\"";
    return false;
}

bool ParseScriptAnswer(const std::string& line, ScriptAnswer& answer, std::string& error)
{
    std::vector<ScriptWord> words;
    return SplitScriptWords(line, words, error) && ParseScriptAnswer(words, answer, error);
}

static std::string Quoted(const std::string& text)
{
    bool plain = !text.empty() && text != "cancel" && text != "ok";
    for (char c : text)
        if (std::isspace(static_cast<unsigned char>(c)) || c == '"' || c == '\\')
            plain = false;
    if (plain)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

std::string DescribeAnswer(const ScriptAnswer& answer)
{
    if (auto* dialog = std::get_if<DialogAnswer>(&answer)) {
        std::string text = "dialog " + std::to_string(dialog->resourceId);
        for (const auto& action : dialog->actions) {
            std::string id = std::to_string(action.control);
            switch (action.kind) {
            case DialogAction::Kind::Set: text += " set " + id + " " + Quoted(action.text); break;
            case DialogAction::Kind::Check: text += " check " + id; break;
            case DialogAction::Kind::Uncheck: text += " uncheck " + id; break;
            case DialogAction::Kind::Select: text += " select " + id + " " + Quoted(action.text); break;
            case DialogAction::Kind::Press: text += " press " + id; break;
            case DialogAction::Kind::Ok: text += " ok"; break;
            case DialogAction::Kind::Cancel: text += " cancel"; break;
            }
        }
        return text;
    }
    if (auto* input = std::get_if<InputAnswer>(&answer))
        return input->cancel ? "input cancel" : input->keep ? "input ok" : "input " + Quoted(input->text);
    if (auto* colour = std::get_if<ColourAnswer>(&answer)) {
        if (colour->cancel)
            return "colour cancel";
        const unsigned rgb = ((colour->colour & 0xFF) << 16) | (colour->colour & 0xFF00) | ((colour->colour >> 16) & 0xFF);
        char hex[8];
        std::snprintf(hex, sizeof hex, "%06X", rgb);
        return std::string("colour ") + hex;
    }
    if (auto* choice = std::get_if<ChoiceAnswer>(&answer))
        return choice->cancel ? "choose cancel" : "choose " + Quoted(choice->name);
    const MessageAnswer& message = std::get<MessageAnswer>(answer);
    if (message.enter)
        return "message enter";
    switch (message.result) {
    case IDOK: return "message ok";
    case IDCANCEL: return "message cancel";
    case IDYES: return "message yes";
    default: return "message no";
    }
}
