#include "platform/qt/QtSpellDictionary.h"

#include <QFileInfo>
#include <QLocale>
#include <QStringConverter>
#include <QStringList>
#include <hunspell.hxx>

namespace vorline {
namespace {

constexpr qsizetype kMaxRemembered = 50000;

const QStringList& dictionaryFolders() {
  static const QStringList folders{"/usr/share/hunspell", "/usr/share/myspell",
                                   "/usr/share/myspell/dicts"};
  return folders;
}

}  // namespace

QtSpellDictionary::QtSpellDictionary(const QStringList& languages)
    : QtSpellDictionary(languages, dictionaryFolders()) {}

QtSpellDictionary::QtSpellDictionary(const QStringList& languages, const QStringList& folders) {
  for (const QString& language : languages) {
    for (const QString& folder : folders) {
      QString aff = folder + "/" + language + ".aff";
      QString dic = folder + "/" + language + ".dic";
      if (!QFileInfo::exists(aff) || !QFileInfo::exists(dic)) continue;
      hunspell_ =
          std::make_unique<Hunspell>(aff.toLocal8Bit().constData(), dic.toLocal8Bit().constData());
      language_ = language;
      return;
    }
  }
}

QtSpellDictionary::~QtSpellDictionary() = default;

QStringList QtSpellDictionary::defaultLanguages() {
  QStringList languages{QLocale::system().name()};
  if (!languages.contains("en_US")) languages << "en_US";
  return languages;
}

bool QtSpellDictionary::knows(const QString& word) {
  if (!hunspell_) return true;
  auto remembered = answers_.constFind(word);
  if (remembered != answers_.constEnd()) return *remembered;
  bool known;
  if (hunspell_->get_dict_encoding() == "UTF-8") {
    known = hunspell_->spell(word.toStdString());
  } else {
    // A dictionary in an 8-bit encoding gets the word in that encoding; a word it cannot
    // write is not its language's, so it is not marked.
    QStringEncoder encoder(hunspell_->get_dict_encoding().c_str());
    QByteArray bytes = encoder.isValid() ? QByteArray(encoder.encode(word)) : word.toLatin1();
    known = encoder.hasError() || hunspell_->spell(bytes.toStdString());
  }
  if (answers_.size() > kMaxRemembered) answers_.clear();
  answers_.insert(word, known);
  return known;
}

}  // namespace vorline
