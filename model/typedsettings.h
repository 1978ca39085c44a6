#pragma once
// Typed settings records: one small struct per settings file, with named fields, read and written
// here only. A record names its file (one name, or a metric and an imperial twin), its format and
// its fields in file order:
//
//     struct TScrollSettings {
//         static constexpr TSettingsFile file{"SCROLL.CFG"};
//         static constexpr const char* format = SCROLL_CFG_FORMAT;
//         int32_t lineX = 0;
//         int32_t lineY = 0;
//         auto Fields() { return std::tie(lineX, lineY); }
//     };
//     TScrollSettings steps = ReadSettings<TScrollSettings>();
//
// Reading takes the fields the file supplies and the shipped default for the rest (SettingsRecord);
// writing formats every field with the record's format in the C locale and replaces the file
// atomically. Field types: int32_t (%d, %ld), double (%lf), char (%c), std::string (%s, %Nc).
//
// A file of a special shape (a text of a stored length, a list of lines) has a record with its own
// reader and writer in place of `format` and Fields():
//
//     static TPlanTitleSettings Parse(const std::string& text);  // the file's whole text
//     std::string Format() const;                                // the file's whole text
//
// ReadSettings then hands Parse the file's text (the shipped default's when the file is missing).
#include "model/drawingstate.h"
#include "model/programdirectory.h"
#include "model/settingsfile.h"

#include <concepts>
#include <cstdint>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

// The file a record lives in under CFG/.
struct TSettingsFile {
    const char* metric;                // the file, or the metric twin
    const char* imperial = nullptr;    // the imperial twin; null when one file serves both
    const char* For(int unitSystem) const { return imperial && unitSystem != 1 ? imperial : metric; }
};

// One field's value, for formatting.
using TSettingsValue = std::variant<std::int32_t, double, char, std::string>;

// Formats values with a settings format (the conversions of SettingsRecord), in the C locale.
// A value whose type does not fit its conversion is a programming error: std::invalid_argument.
std::string FormatSettingsFields(const std::string& format, const std::vector<TSettingsValue>& values);

// A record with its own reader and writer.
template <class Record>
concept HandWrittenSettings = requires(const Record& record, const std::string& text) {
    { Record::Parse(text) } -> std::same_as<Record>;
    { record.Format() } -> std::convertible_to<std::string>;
};

// A record that names its file: what ReadSettings, WriteSettings and StoreSettings take.
template <class Record>
concept SettingsFileRecord = requires { Record::file.For(0); };

namespace settings_detail {

inline void Take(const SettingsRecord& raw, std::size_t i, std::int32_t& value) { value = raw.Int(i); }
inline void Take(const SettingsRecord& raw, std::size_t i, double& value) { value = raw.Double(i); }
inline void Take(const SettingsRecord& raw, std::size_t i, char& value) { value = raw.Char(i); }
inline void Take(const SettingsRecord& raw, std::size_t i, std::string& value) { value = raw.Text(i); }

}  // namespace settings_detail

// The record as stored in its file (the unit system's twin), missing fields from the shipped default.
template <SettingsFileRecord Record>
Record ReadSettings(int unitSystem = State().unitSystem)
{
    if constexpr (HandWrittenSettings<Record>) {
        return Record::Parse(ReadSettingsText(Record::file.For(unitSystem)));
    } else {
        Record record;
        const SettingsRecord raw(Record::file.For(unitSystem), Record::format);
        std::size_t index = 0;
        std::apply([&](auto&... field) { (settings_detail::Take(raw, index++, field), ...); }, record.Fields());
        return record;
    }
}

// Reads the record from its file alone: true when the file supplied every field. A missing, short
// or malformed file gives false and leaves the record as it was.
template <SettingsFileRecord Record>
bool ReadSettingsFromFile(Record& record, int unitSystem = State().unitSystem)
{
    std::string text;
    if (!ReadTextFile(CfgPath(Record::file.For(unitSystem)), text))
        return false;
    const SettingsRecord raw(text, std::string(), Record::format);
    if (!raw.FromFile())
        return false;
    std::size_t index = 0;
    std::apply([&](auto&... field) { (settings_detail::Take(raw, index++, field), ...); }, record.Fields());
    return true;
}

// The record as its file holds it, byte for byte (also for a record of one line of a list, which
// names no file).
template <class Record>
std::string FormatSettings(const Record& record)
{
    if constexpr (HandWrittenSettings<Record>) {
        return record.Format();
    } else {
        std::vector<TSettingsValue> values;
        std::apply([&](const auto&... field) { (values.emplace_back(field), ...); },
                   const_cast<Record&>(record).Fields());
        return FormatSettingsFields(Record::format, values);
    }
}

// The name of the record's file for the unit system.
template <SettingsFileRecord Record>
std::string SettingsFileName(int unitSystem = State().unitSystem)
{
    return Record::file.For(unitSystem);
}

// Rewrites the record's file whole. False when it could not be written; `reason` then says why.
template <SettingsFileRecord Record>
bool WriteSettings(const Record& record, int unitSystem = State().unitSystem, std::string* reason = nullptr)
{
    return WriteSettingsFile(SettingsFileName<Record>(unitSystem), FormatSettings(record), reason);
}

// Rewrites the record's file whole; a file that cannot be written is reported through the drawing
// state's reportWriteFailure (the file and the reason). False when it could not be written.
template <class Record>
bool WriteSettingsReported(const Record& record, int unitSystem = State().unitSystem)
{
    std::string reason;
    if (WriteSettings(record, unitSystem, &reason))
        return true;
    if (State().reportWriteFailure)
        State().reportWriteFailure("The settings file CFG/" + SettingsFileName<Record>(unitSystem) +
                                   " could not be written: " + reason);
    return false;
}
