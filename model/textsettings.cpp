// The hand-read settings files with a counted text: TEXT.CFG (the font of new texts) and
// LTEXT.CFG (the label of the Line + Text tool).
#include "model/drawingstate.h"
#include "model/settingsfile.h"
#include "model/settingsrecords.h"

#include <algorithm>

namespace {

// Point sizes and weights a font setting may take; anything else is not a font.
constexpr std::int32_t MIN_POINT_SIZE = 1;
constexpr std::int32_t MAX_POINT_SIZE = 1000;
constexpr std::int32_t MIN_WEIGHT = 0;
constexpr std::int32_t MAX_WEIGHT = 1000;

}  // namespace

std::string FormatTextSettings(const TTextSettings& record)
{
    const std::string face = record.faceName.substr(0, TTextSettings::FACE_CAPACITY);
    return FormatC(TTextSettings::format, int(record.pointSize), int(record.weight), int(face.size()),
                   face.c_str());
}

bool ParseTextSettings(const std::string& text, TTextSettings& record)
{
    TextScanner in(text);
    std::int32_t pointSize = 0;
    std::int32_t weight = 0;
    std::int32_t length = 0;
    if (!in.ReadInt(pointSize) || !in.ReadInt(weight) || !in.ReadInt(length))
        return false;
    if (pointSize < MIN_POINT_SIZE || pointSize > MAX_POINT_SIZE || weight < MIN_WEIGHT || weight > MAX_WEIGHT ||
        length < 1)
        return false;
    // The blank after the length, then exactly the name: a face name may hold blanks.
    in.SkipBlanks();
    std::string face;
    if (!in.ReadChars(std::size_t(length), face))
        return false;
    record.pointSize = pointSize;
    record.weight = weight;
    record.faceName = face.substr(0, TTextSettings::FACE_CAPACITY);
    return true;
}

TTextSettings TTextSettings::Parse(const std::string& text)
{
    TTextSettings record;
    if (ParseTextSettings(text, record))
        return record;
    if (const std::string* shipped = ShippedDefault(file.metric))
        ParseTextSettings(*shipped, record);
    return record;
}

std::string TTextSettings::Format() const { return FormatTextSettings(*this); }

TTextSettings ReadTextSettings() { return ReadSettings<TTextSettings>(); }

bool WriteTextSettings(const TTextSettings& record, std::string* reason)
{
    return WriteSettings(record, State().unitSystem, reason);
}

void LoadTextSettings()
{
    const TTextSettings font = ReadTextSettings();
    TDrawingState& state = State();
    state.currentFontFace = font.faceName;
    state.textPointSize = font.pointSize;
    state.textWeight = font.weight;
}

std::string FormatLineTextSettings(const TLineTextSettings& record)
{
    const std::string text = record.text.substr(0, TLineTextSettings::TEXT_CAPACITY);
    return FormatC(TLineTextSettings::format, int(record.side), int(text.size()), text.c_str());
}

TLineTextSettings ParseLineTextSettings(const std::string& text)
{
    TLineTextSettings record;
    TextScanner in(text);
    std::int32_t side = 0;
    std::int32_t length = 0;
    if (!in.ReadInt(side) || !in.ReadInt(length) || !in.Literal("/n"))
        return record;
    record.side = side;
    // One character at a time, blanks included, as far as the file goes.
    const std::size_t wanted = length > 0 ? std::min<std::size_t>(std::size_t(length), TLineTextSettings::TEXT_CAPACITY) : 0;
    char c = 0;
    while (record.text.size() < wanted && in.ReadChar(c))
        record.text.push_back(c);
    return record;
}

TLineTextSettings TLineTextSettings::Parse(const std::string& text) { return ParseLineTextSettings(text); }

std::string TLineTextSettings::Format() const { return FormatLineTextSettings(*this); }

// No LTEXT.CFG ships: a missing file reads as an empty text, which places no label.
TLineTextSettings ReadLineTextSettings() { return ReadSettings<TLineTextSettings>(); }

bool WriteLineTextSettings(const TLineTextSettings& record, std::string* reason)
{
    return WriteSettings(record, State().unitSystem, reason);
}
