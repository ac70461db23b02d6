#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace vornix::testing {

// A fresh folder for one scope, removed with everything in it.
class TempFolder {
  public:
    TempFolder() {
        std::random_device entropy;
        path_ = std::filesystem::temp_directory_path() / ("vornix-" + std::to_string(entropy()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Writes a file into the folder and returns its path.
    std::filesystem::path put(const std::string& name, const std::string& content = {}) const {
        const std::filesystem::path file = path_ / name;
        std::ofstream(file, std::ios::binary) << content;
        return file;
    }

  private:
    std::filesystem::path path_;
};

} // namespace vornix::testing
