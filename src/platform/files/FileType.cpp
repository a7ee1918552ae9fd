#include "platform/files/FileType.h"

namespace vorline {
namespace {

std::vector<std::shared_ptr<FileType>>& registry() {
  static std::vector<std::shared_ptr<FileType>> types;
  return types;
}

}  // namespace

std::vector<std::string> FileType::ExtensionList() const {
  std::vector<std::string> list;
  std::string current;
  auto flush = [&] {
    if (current.empty()) return;
    list.push_back(current.front() == '.' ? current : "." + current);
    current.clear();
  };
  for (char c : extensions_) {
    if (c == ';' || c == ' ')
      flush();
    else
      current.push_back(c);
  }
  flush();
  return list;
}

void FileType::Register() {
  if (registered_) return;
  std::shared_ptr<FileType> self = weak_from_this().lock();
  if (!self) return;
  registered_ = true;
  registry().push_back(std::move(self));
}

std::string FileType::Operator_Convert() {
  Register();
  return name_;
}

std::vector<std::shared_ptr<FileType>> FileType::Registered() { return registry(); }

std::vector<std::shared_ptr<FileType>> FileType::ForFilter(const std::string& filter) {
  if (filter == "TEXT") return registry();
  std::vector<std::shared_ptr<FileType>> admitted;
  for (const auto& type : registry())
    if (type->Name() == filter) admitted.push_back(type);
  return admitted;
}

}  // namespace vorline
