#pragma once
// The program keeps the texts a user types (drawing texts, titles, names, the contents of dialog
// fields) as one byte per character, ISO 8859-1, as the drawing and settings files hold them and
// as typed characters reach the drawing window. These turn such texts into Qt strings and back.
#include <QString>

#include <string>

QString ToQString(const std::string& text);
// Characters beyond ISO 8859-1 have no byte of their own: they come back as '?'.
std::string ToProgramText(const QString& text);
// True when every character of the text has a byte of its own.
bool IsProgramText(const QString& text);
