#include "app/drawingfiles.h"

#include "model/programdirectory.h"
#include "model/textfile.h"
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

// A drawing file: its whole file name and its stem.
struct TDrawingFile {
    std::string fileName;
    std::string stem;
    bool openable;  // the extension is .DB0 exactly, as the program writes and reads it
    bool regular;   // a regular file (a link's target); else a folder, a pipe, a socket or a device
};

// Every drawing file in DWGS/, sorted by file name. A folder, a pipe, a socket or a device under a
// drawing's name is listed too, so that opening it says why it cannot be opened.
std::vector<TDrawingFile> DrawingFiles()
{
    namespace fs = std::filesystem;
    std::vector<TDrawingFile> files;
    std::error_code error;
    fs::directory_iterator it(DwgsPath(""), error);
    if (error)
        return files;
    for (const auto& entry : it) {
        std::string fileName = entry.path().filename().string();
        const fs::file_type type = entry.status(error).type();
        if (type == fs::file_type::none || type == fs::file_type::not_found || fileName.size() <= 4 || Lower(fileName.substr(fileName.size() - 4)) != ".db0")
            continue;
        std::string stem = fileName.substr(0, fileName.size() - 4);
        const bool openable = fileName.compare(fileName.size() - 4, 4, ".DB0") == 0;
        files.push_back({std::move(fileName), std::move(stem), openable, type == fs::file_type::regular});
    }
    std::sort(files.begin(), files.end(),
              [](const TDrawingFile& a, const TDrawingFile& b) { return a.fileName < b.fileName; });
    return files;
}

}  // namespace

bool IsDrawingName(const std::string& name)
{
    if (name.empty() || name.size() > MAX_DRAWING_NAME)
        return false;
    return std::all_of(name.begin(), name.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == ',' || c == ' ';
    });
}

bool SameDrawingName(const std::string& a, const std::string& b)
{
    return Lower(a) == Lower(b);
}

std::vector<std::string> DrawingNames()
{
    std::vector<std::string> stems;
    for (const TDrawingFile& file : DrawingFiles())
        if (file.openable)
            stems.push_back(file.stem);
    return stems;
}

std::string OpenableDrawingName(const std::string& name)
{
    // The spelling asked for first, then a drawing file, and only then a folder, pipe or device of
    // another spelling: none of those hides a drawing whose name differs from it in case alone.
    const std::vector<TDrawingFile> files = DrawingFiles();
    const TDrawingFile* best = nullptr;
    auto rank = [&name](const TDrawingFile& file) { return (file.stem == name ? 2 : 0) + (file.regular ? 1 : 0); };
    for (const TDrawingFile& file : files)
        if (file.openable && SameDrawingName(file.stem, name) && (!best || rank(file) > rank(*best)))
            best = &file;
    return best ? best->stem : std::string();
}

std::string ExistingDrawingName(const std::string& name)
{
    for (const TDrawingFile& file : DrawingFiles())
        if (file.regular && SameDrawingName(file.stem, name))
            return file.stem;
    return {};
}

bool ConfirmReplace(TWindow& parent, const std::string& name)
{
    if (ExistingDrawingName(name).empty())
        return true;
    return parent.MessageBox("A drawing named " + name + " already exists. Replace it?", ApplicationName,
                             MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

std::string DrawingPlaceRefusal(const std::string& name)
{
    const std::string path = DwgsPath(name + ".DB0");
    std::string reason;
    if (WritableFilePlace(path, &reason))
        return {};
    return "the file " + path + " cannot be written: " + reason;
}

void RemoveOtherCaseFiles(const std::string& name)
{
    // The file just written is DWGS/<name>.DB0; any other spelling, extension included, goes. A
    // pipe, a socket or a device is never taken away.
    const std::string kept = name + ".DB0";
    for (const TDrawingFile& file : DrawingFiles()) {
        if (SameDrawingName(file.stem, name) && file.fileName != kept && file.regular) {
            std::error_code ignored;
            std::filesystem::remove(DwgsPath(file.fileName), ignored);
        }
    }
}

std::string BitmapFilePath(const std::string& name)
{
    return DwgsPath(name + ".BMP");
}
