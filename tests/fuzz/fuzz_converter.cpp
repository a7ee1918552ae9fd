// Converts arbitrary text with a scratch application folder whose include files use each
// other, in cycles and without; every conversion must end without a fault.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "converter/FakeConverterOwner.h"
#include "converter/ckScriptConverter.h"

namespace {

void writeFile(const std::filesystem::path& path, const std::string& text) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

std::filesystem::path scratchRoot;

void removeScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(scratchRoot, ignored);
}

// The scratch folder: files that use themselves, each other, and end include mode early.
void makeScratchFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "vorline-fuzz-XXXXXX").string();
  scratchRoot = mkdtemp(pattern.data());
  std::atexit(removeScratchFolder);
  const std::filesystem::path& root = scratchRoot;
  setenv("VORLINE_HOME", (root / "app").c_str(), 1);
  setenv("HOME", (root / "home").c_str(), 1);
  const std::filesystem::path includes = root / "app/includes";
  writeFile(includes / "a.vrl", "use b\nuse a\ninclude a.vrl\nx = 1\ndef f(x) x*2\n");
  writeFile(includes / "b.vrl", "use a\nuse c\n#end_include\nuse b\nprint $1\n");
  writeFile(includes / "c.vrl", "use c\nv = {1,{2,3}}\nif x>0 use a; y = 2\ninclude ./d.vrl\n");
  writeFile(includes / "d.vrl", "#start_include\nuse d\nuse e\n");
  writeFile(includes / "e.vrl", "use a\nuse b\nuse empty\npragma clear_memory\n");
  writeFile(includes / "latin.vrl", "caf\xE9 = 1\r\nuse latin\r");
  writeFile(includes / "empty.vrl", "");
  writeFile(root / "app/d.vrl", "use a\n");
  writeFile(root / "home/pads/h.vrl", "include ~/pads/h.vrl\nuse c\n");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  makeScratchFolder();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vorline::FakeConverterOwner host;
  host.currentPath = std::string(std::getenv("VORLINE_HOME")) + "/";
  vorline::ckScriptConverter converter;
  converter.owner = &host;
  const std::string script =
      converter.convertSource(std::string(reinterpret_cast<const char*>(data), size));
  if (script.empty() || script.back() != '\n') std::abort();  // every script line ends
  return 0;
}
