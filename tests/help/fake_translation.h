// A translation a test makes up: each text through a rule (an empty answer
// keeps the English), installed for as long as it lives.
#pragma once

#include <QCoreApplication>
#include <QTranslator>
#include <functional>

namespace gorbix::help::testing {

class FakeTranslation : public QTranslator {
 public:
  explicit FakeTranslation(std::function<QString(const QString&)> rule) : rule_(std::move(rule)) {
    QCoreApplication::installTranslator(this);
  }
  ~FakeTranslation() override { QCoreApplication::removeTranslator(this); }
  bool isEmpty() const override { return false; }
  QString translate(const char*, const char* text, const char*, int) const override {
    return rule_(QString::fromUtf8(text));
  }

 private:
  std::function<QString(const QString&)> rule_;
};

}  // namespace gorbix::help::testing
