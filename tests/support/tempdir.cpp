#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <pthread.h>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <thread>

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "arkweld-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary directory");
    root = pattern;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
}

std::string ReadWholeFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return {};
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::vector<std::string> FilesIn(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void WriteWholeFile(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
}

bool ReturnsPromptly(const std::function<void()>& action)
{
    struct sigaction interrupt {};
    interrupt.sa_handler = [](int) {};
    sigemptyset(&interrupt.sa_mask);
    interrupt.sa_flags = 0;  // no SA_RESTART: a waiting system call returns
    struct sigaction previous {};
    sigaction(SIGUSR1, &interrupt, &previous);

    const pthread_t self = pthread_self();
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    bool late = false;
    std::thread watchdog([&] {
        std::unique_lock lock(mutex);
        if (finished.wait_for(lock, std::chrono::seconds(2), [&] { return done; }))
            return;
        late = true;
        while (!done) {
            pthread_kill(self, SIGUSR1);
            finished.wait_for(lock, std::chrono::milliseconds(100), [&] { return done; });
        }
    });
    action();
    {
        std::lock_guard lock(mutex);
        done = true;
    }
    finished.notify_all();
    watchdog.join();
    sigaction(SIGUSR1, &previous, nullptr);
    return !late;
}

bool IsPipe(const std::filesystem::path& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISFIFO(info.st_mode);
}

void MakePipe(const std::filesystem::path& path)
{
    std::filesystem::remove(path);
    ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0) << path;
}
