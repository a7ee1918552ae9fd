// A document type the program works with: a name and its file extensions. Registering a type
// makes it known to the platform's dialogs (the filter "TEXT") and to the desktop's list of
// document kinds; a type registers at most once.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace vorline {

class FileType : public std::enable_shared_from_this<FileType> {
 public:
  const std::string& Name() const { return name_; }
  void SetName(std::string v) { name_ = std::move(v); }
  // One or more extensions separated by ";" (".vrl").
  const std::string& Extensions() const { return extensions_; }
  void SetExtensions(std::string v) { extensions_ = std::move(v); }
  const std::string& MacType() const { return macType_; }
  void SetMacType(std::string v) { macType_ = std::move(v); }
  const std::string& MacCreator() const { return macCreator_; }
  void SetMacCreator(std::string v) { macCreator_ = std::move(v); }
  const std::string& MimeType() const { return mimeType_; }
  void SetMimeType(std::string v) { mimeType_ = std::move(v); }
  // True for a kind of document the program reads but does not own (plain text).
  bool Imported() const { return imported_; }
  void SetImported(bool v) { imported_ = v; }
  const std::string& ConformsTo() const { return conformsTo_; }
  void SetConformsTo(std::string v) { conformsTo_ = std::move(v); }

  // The extensions one by one, each with its leading ".".
  std::vector<std::string> ExtensionList() const;

  // Registers the type (once; later calls change nothing). The type must be owned by a
  // shared_ptr.
  void Register();
  bool IsRegistered() const { return registered_; }
  // Registers the type and yields its name: the framework's conversion of a type to text.
  std::string Operator_Convert();

  // The registered types, in the order of registration.
  static std::vector<std::shared_ptr<FileType>> Registered();
  // The registered types that a dialog's filter admits: every one for "TEXT" (the program's
  // documents are all plain text), else those whose name is the filter.
  static std::vector<std::shared_ptr<FileType>> ForFilter(const std::string& filter);

 private:
  std::string name_, extensions_, macType_, macCreator_, mimeType_, conformsTo_;
  bool imported_ = false;
  bool registered_ = false;
};

}  // namespace vorline
