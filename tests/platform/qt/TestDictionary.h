// A spelling dictionary of the test's own words ("xx_TEST", in a folder of its own), so that
// what is underlined does not hang on what is installed.
#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <utility>

#include "platform/qt/QtSpellDictionary.h"

namespace vorline::qttest {

class TestDictionary {
 public:
  // `dic` is the dictionary file: the number of words, then one word a line.
  explicit TestDictionary(const char* dic) {
    for (auto [name, text] :
         {std::pair{"xx_TEST.aff", "SET UTF-8\n"}, std::pair{"xx_TEST.dic", dic}}) {
      QFile file(folder_.filePath(name));
      if (file.open(QIODevice::WriteOnly)) file.write(text);
    }
    dictionary_ =
        std::make_unique<QtSpellDictionary>(QStringList{"xx_TEST"}, QStringList{folder_.path()});
  }
  QtSpellDictionary& operator*() { return *dictionary_; }
  // The loaded dictionary, for an owner of its own (the words stay loaded without the folder).
  std::unique_ptr<QtSpellDictionary> release() { return std::move(dictionary_); }
  QtSpellDictionary* operator->() { return dictionary_.get(); }

 private:
  QTemporaryDir folder_;
  std::unique_ptr<QtSpellDictionary> dictionary_;
};

}  // namespace vorline::qttest
