// A translation a test makes up: every text it is asked for goes through a
// function (an empty answer keeps the English), for as long as it lives.
#pragma once

#include <QCoreApplication>
#include <QTranslator>
#include <functional>
#include <utility>

namespace gorbix::help::testing {

class FakeTranslation : public QTranslator {
 public:
  using Rule = std::function<QString(const char* context, const QString& english)>;
  explicit FakeTranslation(Rule rule) : rule_(std::move(rule)) { QCoreApplication::installTranslator(this); }
  ~FakeTranslation() override { QCoreApplication::removeTranslator(this); }

  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* text, const char*, int) const override {
    return rule_(context, QString::fromUtf8(text));
  }

 private:
  Rule rule_;
};

}  // namespace gorbix::help::testing
