#include "app/drawingfiles.h"

#include "model/programdirectory.h"
#include "platform/window.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {

std::string Lower(std::string text)
{
    for (char& c : text)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool HasDrawingExtension(const std::string& fileName, std::string& stem)
{
    if (fileName.size() <= 4 || Lower(fileName.substr(fileName.size() - 4)) != ".db0")
        return false;
    stem = fileName.substr(0, fileName.size() - 4);
    return true;
}

// Every drawing file in DWGS/ by its file name.
std::vector<std::string> DrawingFileNames()
{
    std::vector<std::string> names;
    std::error_code error;
    std::filesystem::directory_iterator it(DwgsPath(""), error);
    if (error)
        return names;
    for (const auto& entry : it) {
        std::string stem;
        std::string fileName = entry.path().filename().string();
        if (entry.is_regular_file(error) && HasDrawingExtension(fileName, stem))
            names.push_back(fileName);
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

bool IsDrawingName(const std::string& name, std::size_t minLength)
{
    if (name.size() < minLength || name.size() > MAX_DRAWING_NAME)
        return false;
    return std::all_of(name.begin(), name.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == ',' || c == ' ';
    });
}

std::vector<std::string> DrawingNames()
{
    std::vector<std::string> stems;
    for (const std::string& fileName : DrawingFileNames()) {
        std::string stem;
        HasDrawingExtension(fileName, stem);
        stems.push_back(stem);
    }
    return stems;
}

std::string ExistingDrawingFile(const std::string& name)
{
    std::string wanted = Lower(name);
    for (const std::string& fileName : DrawingFileNames()) {
        std::string stem;
        HasDrawingExtension(fileName, stem);
        if (Lower(stem) == wanted)
            return DwgsPath(fileName);
    }
    return {};
}

bool ConfirmReplace(TWindow& parent, const std::string& name)
{
    if (ExistingDrawingFile(name).empty())
        return true;
    return parent.MessageBox("A drawing named " + name + " already exists. Replace it?", ApplicationName,
                             MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void RemoveOtherCaseFiles(const std::string& name)
{
    std::string wanted = Lower(name);
    std::string kept = name + ".DB0";
    for (const std::string& fileName : DrawingFileNames()) {
        std::string stem;
        HasDrawingExtension(fileName, stem);
        if (Lower(stem) == wanted && fileName != kept) {
            std::error_code ignored;
            std::filesystem::remove(DwgsPath(fileName), ignored);
        }
    }
}

std::string DrawingFilePath(const std::string& name)
{
    return DwgsPath(name + ".DB0");
}

std::string BitmapFilePath(const std::string& name)
{
    return DwgsPath(name + ".BMP");
}
