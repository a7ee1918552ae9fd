// padrun [--home DIR] [--precision N] [--mode M] [--runs N] [--enter LINE] FILE...
// Runs each pad file in turn through one headless calculator window (the memory carries from
// file to file) and writes one line of JSON per file to standard output: the pad after the
// runs, the message boxes, the beeps and the variables memory. Without --home and without
// $VORLINE_HOME the application folder is a fresh temporary one, never the user's.
#include <charconv>
#include <cstdio>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "PadRunner.h"

namespace {

constexpr int kUsage = 64;
constexpr int kNoInput = 66;

void usage() {
  std::cerr << "usage: padrun [--home DIR] [--precision N] [--mode M] [--runs N] [--enter LINE] "
               "FILE...\n";
}

bool number(const std::string& text, int64_t low, int64_t high, int64_t& out) {
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
  return error == std::errc() && end == text.data() + text.size() && out >= low && out <= high;
}

// Reads the options into options and the file names into files; false on a usage error.
bool parse(int argc, char** argv, vorline::PadRunOptions& options,
           std::vector<std::string>& files) {
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg.rfind("--", 0) != 0 || arg == "--") {
      files.push_back(arg);
      continue;
    }
    if (i + 1 >= argc) return false;
    std::string value = argv[++i];
    int64_t n = 0;
    if (arg == "--home")
      options.home = value;
    else if (arg == "--precision" && number(value, 0, 12, n))
      options.precision = n;
    else if (arg == "--mode" && number(value, 0, 1, n))
      options.mode = n;
    else if (arg == "--runs" && number(value, 0, 1000000, n))
      options.runs = n;
    else if (arg == "--enter" && number(value, 1, INT64_MAX, n))
      options.enterLine = n;
    else
      return false;
  }
  return !files.empty();
}

}  // namespace

int main(int argc, char** argv) {
  vorline::PadRunOptions options;
  std::vector<std::string> files;
  if (!parse(argc, argv, options, files)) {
    usage();
    return kUsage;
  }
  int status = 0;
  try {
    vorline::PadRunner runner(options);
    for (const std::string& file : files) {
      std::optional<std::string> report = runner.RunFile(file);
      if (!report) {
        std::cerr << "padrun: cannot read " << file << "\n";
        status = kNoInput;
        continue;
      }
      std::cout << *report << "\n" << std::flush;
    }
  } catch (const std::exception& e) {
    std::cerr << "padrun: " << e.what() << "\n";
    return 1;
  }
  return status;
}
