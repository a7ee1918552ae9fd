// The spelling dictionary that the text areas check words against: Hunspell with the
// installed dictionary of the user's language, else the English one. Loaded once and shared by
// every window; remembers its answers, as a pad repeats its words.
#pragma once

#include <QHash>
#include <QString>
#include <memory>

class Hunspell;

namespace vorline {

class QtSpellDictionary {
 public:
  // Loads the first dictionary found for the languages (e.g. "de_DE", then "en_US") in the
  // system's Hunspell folders; without one the dictionary knows every word.
  explicit QtSpellDictionary(const QStringList& languages);
  // The same in the given folders only (a test's own dictionary).
  QtSpellDictionary(const QStringList& languages, const QStringList& folders);
  ~QtSpellDictionary();
  QtSpellDictionary(const QtSpellDictionary&) = delete;
  QtSpellDictionary& operator=(const QtSpellDictionary&) = delete;

  // The languages to try on this machine: the system locale's, then English.
  static QStringList defaultLanguages();

  bool loaded() const { return hunspell_ != nullptr; }
  // The language of the loaded dictionary ("en_US"), or "".
  const QString& language() const { return language_; }
  // Whether the dictionary knows the word (true when none is loaded).
  bool knows(const QString& word);

 private:
  std::unique_ptr<Hunspell> hunspell_;
  QString language_;
  QHash<QString, bool> answers_;
};

}  // namespace vorline
