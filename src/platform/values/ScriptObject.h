// A host object that a script can hold in a variable (a FolderItem, a picture) but not look into.
#pragma once

#include <string>

namespace vorline {

class ScriptObject {
 public:
  virtual ~ScriptObject() = default;
  // The class name, as scripts and messages name it ("FolderItem").
  virtual std::string typeName() const = 0;
};

}  // namespace vorline
