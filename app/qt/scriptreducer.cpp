#include "app/qt/scriptreducer.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <sys/wait.h>
#include <vector>

namespace {

bool IsAnswer(const std::string& line)
{
    for (const char* word : {"dialog ", "input ", "colour ", "message "})
        if (line.rfind(word, 0) == 0)
            return true;
    return false;
}

// The script in units: a statement with the answers queued before it (comments and blank lines
// are left out).
std::vector<std::vector<std::string>> Units(std::istream& script)
{
    std::vector<std::vector<std::string>> units;
    std::vector<std::string> pending;
    std::string line;
    while (std::getline(script, line)) {
        const std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#')
            continue;
        pending.push_back(line);
        if (!IsAnswer(line)) {
            units.push_back(std::move(pending));
            pending.clear();
        }
    }
    if (!pending.empty())
        units.push_back(std::move(pending));
    return units;
}

class Reducer {
public:
    Reducer(const std::string& driver, const std::string& workFolder) : driver(driver), work(workFolder) {}

    // How the script made of the kept units fails; empty when it runs through.
    std::string Failure(const std::vector<std::vector<std::string>>& units, const std::vector<bool>& kept)
    {
        const std::string candidate = work + "/candidate.aws";
        const std::string run = work + "/run";
        const std::string errors = work + "/errors.txt";
        {
            std::ofstream file(candidate);
            for (std::size_t i = 0; i < units.size(); ++i)
                if (kept[i])
                    for (const std::string& line : units[i])
                        file << line << "\n";
        }
        std::error_code ignored;
        std::filesystem::remove_all(run, ignored);
        const std::string command = "'" + driver + "' --dir '" + run + "' '" + candidate + "' >/dev/null 2>'" + errors + "'";
        const int status = std::system(command.c_str());
        std::ifstream file(errors);
        const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        if (text.find("Sanitizer") != std::string::npos || !WIFEXITED(status) || WEXITSTATUS(status) > 1)
            return "the driver died";
        if (WEXITSTATUS(status) == 0)
            return {};
        // "line N: REASON": the reason up to its first ':', numbers left out.
        std::size_t line = text.rfind("\nline ");
        line = line == std::string::npos ? 0 : line + 1;
        const std::size_t start = text.find(": ", line);
        std::string reason = start == std::string::npos ? text : text.substr(start + 2);
        reason = reason.substr(0, reason.find_first_of(":\n"));
        std::string signature;
        for (char c : reason)
            if (!std::isdigit(static_cast<unsigned char>(c)))
                signature += c;
        return signature;
    }

    int tries = 0;

private:
    std::string driver;
    std::string work;
};

}  // namespace

int ReduceScript(const std::string& driver, const std::string& script, const std::string& workFolder,
                 const std::string& reduced, std::ostream& out)
{
    std::ifstream input(script);
    if (!input)
        return 2;
    const std::vector<std::vector<std::string>> units = Units(input);
    std::error_code ignored;
    std::filesystem::create_directories(workFolder, ignored);
    Reducer reducer(driver, workFolder);
    std::vector<bool> kept(units.size(), true);
    const std::string failure = reducer.Failure(units, kept);
    if (failure.empty()) {
        out << "the script does not fail\n";
        return 1;
    }
    out << "the script fails: " << failure << "\n";
    for (std::size_t size = units.size() / 2; size >= 1; size /= 2) {
        bool dropped = true;
        // Each size again until nothing more drops at it.
        while (dropped) {
            dropped = false;
            for (std::size_t start = 0; start < units.size(); start += size) {
                std::vector<bool> trial = kept;
                bool any = false;
                for (std::size_t i = start; i < std::min(units.size(), start + size); ++i)
                    if (trial[i])
                        trial[i] = false, any = true;
                if (!any)
                    continue;
                if (reducer.Failure(units, trial) == failure) {
                    kept = trial;
                    dropped = true;
                }
            }
        }
        std::size_t left = 0;
        for (bool keep : kept)
            left += keep;
        out << "runs of " << size << " dropped: " << left << " statements left\n" << std::flush;
    }
    std::ofstream file(reduced);
    for (std::size_t i = 0; i < units.size(); ++i)
        if (kept[i])
            for (const std::string& line : units[i])
                file << line << "\n";
    return file ? 0 : 2;
}
