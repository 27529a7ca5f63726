#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QTranslator>

#include <vector>

namespace halvane::ctl {

// A catalogue made for one test: its messages written as a Qt Linguist file, compiled by the
// system's lrelease and installed for as long as it lives. Without lrelease nothing is
// installed and why() says so.
class TestCatalogue {
 public:
  struct Message {
    const char* context;
    const char* source;
    QString translation;
    bool numerus = false;  // a %n text: the translation stands for every count
  };

  TestCatalogue(const QString& language, const std::vector<Message>& messages);
  ~TestCatalogue();

  bool installed() const { return installed_; }
  QString why() const { return why_; }

 private:
  QTemporaryDir dir_;
  QTranslator translator_;
  bool installed_ = false;
  QString why_;
};

}  // namespace halvane::ctl
