// A symbolic link at a file the program writes, for every kind of write: a settings file, the
// selection list (COPY.CFG, TEMP.CFG), the paste buffer, a library entry, and the drawing by Save
// As and by File/New. A link to a missing file is not written through: nothing is made where it
// points, the write is refused and told once, naming the file. A link to a file that is there is
// written through to it, and stays a link.
#include "tests/app/appfixture.h"

#include "model/textfile.h"

#include <filesystem>

namespace {

namespace fs = std::filesystem;

enum class TWrite { Settings, Selection, PasteBuffer, LibraryEntry, SaveAs, FileNew };

struct TLinkedFile {
    const char* name;
    TWrite write;
    const char* file;  // below the program directory
    // The box that tells the refusal, "<file>" standing for the file's whole path.
    const char* told;
};

const TLinkedFile FILES[] = {
    {"Settings", TWrite::Settings, "CFG/TITLE2D.CFG", "Arkweld 4.0 | The settings file CFG/TITLE2D.CFG could not be written: "},
    {"CopyList", TWrite::Selection, "CFG/COPY.CFG", "Arkweld 4.0 | The selection list CFG/COPY.CFG could not be written: "},
    {"CopyCount", TWrite::Selection, "CFG/TEMP.CFG", "Arkweld 4.0 | The selection list CFG/TEMP.CFG could not be written: "},
    {"PasteBuffer", TWrite::PasteBuffer, "LIBS/PASTE.CFG", "Arkweld 4.0 | The paste buffer <file> could not be written: "},
    {"LibraryEntry", TWrite::LibraryEntry, "LIBS/Chair.FUM", "Arkweld 4.0 | The library entry <file> could not be written: "},
    {"SaveAs", TWrite::SaveAs, "DWGS/COPY.DB0",
     "SAVE AS | The drawing could not be saved as COPY: the file <file> could not be written: "},
    {"FileNew", TWrite::FileNew, "DWGS/OTHER.DB0", "NEW | The drawing OTHER cannot be made: the file <file> cannot be written: "},
};

class LinkedFiles : public AppTest, public ::testing::WithParamInterface<TLinkedFile> {
protected:
    void SetUp() override
    {
        NewDrawing("TEST");
        AddLine(50, 1000, 1000, 2000, 1000);
        fs::create_directory(dir.path() / "ELSEWHERE");
        fs::remove(Path(GetParam().file));
        fs::create_symlink(Target(), Path(GetParam().file));
        lines.clear();
    }

    fs::path Target() const { return dir.path() / "ELSEWHERE" / fs::path(GetParam().file).filename(); }

    // Runs the command that writes the file, answering its boxes. `there`: the link's target is
    // there, so a drawing of that name exists already and replacing it is confirmed; else the
    // refusal is told.
    void Write(bool there)
    {
        auto refusal = [&] {
            if (!there)
                Answer("message ok");
        };
        switch (GetParam().write) {
        case TWrite::Settings:
            Answer("dialog 20000 set 20001 HALL ok");
            refusal();
            Command(CM_FLOORPLANTITLES);
            break;
        case TWrite::Selection:
        case TWrite::PasteBuffer:
            refusal();
            Command(CM_COPY);
            DragModel({500, 500}, {2500, 1500});
            break;
        case TWrite::LibraryEntry:
            Answer("dialog 16000 set 16001 Chair check 16004 ok");
            refusal();
            if (!there)
                Answer("dialog 16000 cancel");  // the entry not written, the dialog stays
            Command(CM_ADDTOLIBRARY);
            DragModel({500, 500}, {2500, 1500});
            break;
        case TWrite::SaveAs:
            Answer("dialog 9020 set 9021 COPY ok");
            Answer(there ? "message yes" : "message ok");
            Command(CM_FILESAVEAS);
            break;
        case TWrite::FileNew:
            Answer("dialog 2024 set 2027 OTHER check 2026 ok");
            refusal();
            if (there) {
                Answer("message yes");
                AnswerWallDialogs();
            }
            Command(CM_FILENEW);
            break;
        }
    }

    std::vector<std::string> Told() const
    {
        std::vector<std::string> told;
        for (const std::string& line : lines)
            if (line.starts_with("message") && line.find("Replace it?") == std::string::npos)
                told.push_back(line);
        return told;
    }
};

TEST_P(LinkedFiles, ALinkToAMissingFileIsRefusedAndToldOnce)
{
    Write(false);
    EXPECT_EQ(frame.Scripted().PendingAnswers(), 0u);
    std::string told = std::string("message ") + GetParam().told + LINK_TO_MISSING_FILE;
    if (const std::size_t at = told.find("<file>"); at != std::string::npos)
        told.replace(at, 6, Path(GetParam().file));
    if (GetParam().write == TWrite::FileNew)
        told += ". TEST is still open.";
    else if (GetParam().write == TWrite::SaveAs)
        told += ". TEST is still open under its own name.";
    EXPECT_EQ(Told(), std::vector<std::string>{told});
    EXPECT_TRUE(fs::is_symlink(Path(GetParam().file)));
    EXPECT_EQ(fs::read_symlink(Path(GetParam().file)), Target());
    EXPECT_EQ(FilesIn(dir.path() / "ELSEWHERE"), std::vector<std::string>{});
}

TEST_P(LinkedFiles, ALinkToAFileThatIsThereIsWrittenThrough)
{
    WriteWholeFile(Target(), "old\n");
    Write(true);
    EXPECT_EQ(frame.Scripted().PendingAnswers(), 0u);
    EXPECT_EQ(Told(), std::vector<std::string>{});
    EXPECT_TRUE(fs::is_symlink(Path(GetParam().file)));
    EXPECT_NE(ReadWholeFile(Target()), "old\n");
    EXPECT_EQ(FilesIn(dir.path() / "ELSEWHERE"), std::vector<std::string>{Target().filename().string()});
}

INSTANTIATE_TEST_SUITE_P(EveryWrite, LinkedFiles, ::testing::ValuesIn(FILES),
                         [](const ::testing::TestParamInfo<TLinkedFile>& info) { return info.param.name; });

}  // namespace
