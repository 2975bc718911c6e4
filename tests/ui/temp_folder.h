// Temporary folders for tests and benchmarks: a fresh folder removed with
// everything in it at the end, and the scratch working folder that the
// window tests and benchmarks run in.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "planner/planner_settings.h"

namespace uitest {

// A new, empty folder under the system's temporary folder.
class TempFolder {
  public:
    explicit TempFolder(const std::string& prefix = "celnav-test") {
        namespace fs = std::filesystem;
        std::string pattern = (fs::temp_directory_path() / (prefix + "-XXXXXX")).string();
        if (mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// A temporary folder made the working directory. It holds a planner settings
// file with a foreign header, which the main window's start-up passes over in
// silence, so every window starts from its own defaults.
class ScratchWorkingFolder {
  public:
    explicit ScratchWorkingFolder(const std::string& prefix) : folder_(prefix) {
        std::filesystem::current_path(folder_.path());
        std::ofstream(planner::kPlannerSettingsFileName) << "NotTheseSettings\r\n";
    }
    ~ScratchWorkingFolder() {
        std::error_code ignored;
        std::filesystem::current_path(std::filesystem::temp_directory_path(), ignored);
    }
    bool ok() const { return !folder_.path().empty(); }

  private:
    TempFolder folder_;
};

inline std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

}  // namespace uitest
