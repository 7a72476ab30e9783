// Every language the windows are laid out in for the checks: English (no
// translator), each embedded translation, and a pseudo-language whose texts
// are 40 % longer and bracketed, to find a layout with no room to spare.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QTranslator>

#include "i18n/translations.h"

namespace gorbix::testing {

class PseudoTranslator final : public QTranslator {
 public:
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* source, const char*, int) const override {
    const QString where = QString::fromUtf8(context);
    // Qt's own texts are Qt's; a rating and the score list's word have a
    // budget of letters that their translations keep (21 and 6): a rating is
    // only bracketed, the word left as it is.
    if (where.startsWith(u'Q') || where == u"ScoreList") return {};
    QStringList lines = QString::fromUtf8(source).split(u'\n');
    for (QString& line : lines) line = u'[' + line + (where == u"Rating" ? QString() : padding(line)) + u']';
    return lines.join(u'\n');
  }

 private:
  // Letters of the line itself, so the width is that of a real text; no &
  // or placeholder is added.
  static QString padding(const QString& line) {
    QString letters;
    for (const QChar c : line) {
      if (c.isLetter()) letters += c;
    }
    if (letters.isEmpty()) letters = QStringLiteral("x");
    const auto wanted = static_cast<qsizetype>((line.size() * 4 + 9) / 10);
    QString pad;
    while (pad.size() < wanted) pad += letters.at(pad.size() % letters.size());
    return pad;
  }
};

struct Language {
  std::string name;
  std::unique_ptr<QTranslator> translator;  // none for English
};

inline std::vector<Language> allLanguages() {
  std::vector<Language> languages;
  languages.push_back({"en", nullptr});
  for (const char* name : {"de", "fr", "es", "it", "pt_BR", "nl", "pl"}) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral(":/i18n/gorbix_%1.qm").arg(QString::fromLatin1(name)))) {
      ADD_FAILURE() << "no embedded translation for " << name;
      continue;
    }
    languages.push_back({name, std::move(translator)});
  }
  languages.push_back({"pseudo", std::make_unique<PseudoTranslator>()});
  return languages;
}

// The language's translator installed for as long as it lives.
class Speaking {
 public:
  explicit Speaking(const Language& language) : translator_(language.translator.get()) {
    i18n::translateCoreTexts();
    if (translator_) QCoreApplication::installTranslator(translator_);
  }
  ~Speaking() {
    if (translator_) QCoreApplication::removeTranslator(translator_);
  }
  Speaking(const Speaking&) = delete;
  Speaking& operator=(const Speaking&) = delete;

 private:
  QTranslator* translator_;
};

}  // namespace gorbix::testing
