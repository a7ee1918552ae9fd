// A temporary folder that stands in for the user's folders during a test: the application
// folder ($VORLINE_HOME), the home folder ($HOME, so "~/" and the Desktop point into it) and
// the XDG folders. Everything is put back and removed afterwards.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>

class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vorline-test-XXXXXX").string();
    root_ = std::filesystem::path(mkdtemp(pattern.data()));
    setEnv("HOME", (root_ / "home").string());
    setEnv("XDG_CONFIG_HOME", (root_ / "home/.config").string());
    setEnv("XDG_DATA_HOME", (root_ / "home/.local/share").string());
    setEnv("VORLINE_HOME", (root_ / "app").string());
    std::filesystem::create_directories(root_ / "home/Desktop");
    std::filesystem::create_directories(root_ / "app/includes");
    std::filesystem::create_directories(root_ / "app/data");
  }
  ~ScratchFolder() {
    for (const auto& [name, value] : saved_) {
      if (value)
        setenv(name.c_str(), value->c_str(), 1);
      else
        unsetenv(name.c_str());
    }
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& root() const { return root_; }
  std::filesystem::path app() const { return root_ / "app"; }
  std::filesystem::path includes() const { return root_ / "app/includes"; }
  std::filesystem::path home() const { return root_ / "home"; }

  // Writes the bytes to the file (relative to the root), making its folders.
  std::filesystem::path write(const std::string& relative, const std::string& bytes) const {
    const std::filesystem::path path = root_ / relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  // Sets a variable for the test's lifetime (the first value seen is restored at the end).
  void setEnv(const std::string& name, const std::string& value) {
    if (!saved_.count(name)) {
      const char* old = std::getenv(name.c_str());
      saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
    }
    setenv(name.c_str(), value.c_str(), 1);
  }
  void unsetEnv(const std::string& name) {
    setEnv(name, "");
    unsetenv(name.c_str());
  }

 private:
  std::filesystem::path root_;
  std::map<std::string, std::optional<std::string>> saved_;
};
