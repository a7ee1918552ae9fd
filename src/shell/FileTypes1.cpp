#include "shell/FileTypes1.h"

namespace vorline {

// A new type with its values set in the framework's order, added to the list of all types.
std::shared_ptr<FileType> FileTypes1::makeType(const char* name, const char* extensions,
                                               bool imported) {
  auto type = std::make_shared<FileType>();
  type->SetName(name);
  type->SetExtensions(extensions);
  type->SetMacType("");
  type->SetMacCreator("");
  type->SetMimeType("");
  type->SetImported(imported);
  type->SetConformsTo("");
  pAllFileTypes.push_back(type);
  return type;
}

void FileTypes1::_Initialize() {
  pVRL = makeType("Pad Files", ".vrl", false);
  VRL()->Operator_Convert();  // registers it; the name is not kept
  pTextFile = makeType("Text Files", ".txt", true);
  TextFile()->Operator_Convert();
}

}  // namespace vorline
