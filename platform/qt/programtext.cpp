#include "platform/qt/programtext.h"

#include <algorithm>

QString ToQString(const std::string& text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

std::string ToProgramText(const QString& text)
{
    return text.toLatin1().toStdString();
}

bool IsProgramText(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
}
