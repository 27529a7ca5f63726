#include "tests/tools/halvanectl/TestCatalogue.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QProcess>
#include <QXmlStreamWriter>

#include <map>

namespace halvane::ctl {

TestCatalogue::TestCatalogue(const QString& language, const std::vector<Message>& messages) {
  const QString lrelease =
      QLibraryInfo::path(QLibraryInfo::BinariesPath) + QStringLiteral("/lrelease");
  if (!QFileInfo(lrelease).isExecutable()) {
    why_ = QStringLiteral("no %1 (qt6-l10n-tools)").arg(lrelease);
    return;
  }
  std::map<QString, std::vector<const Message*>> contexts;
  for (const Message& m : messages) contexts[QLatin1String(m.context)].push_back(&m);

  const QString ts = dir_.filePath(QStringLiteral("test.ts"));
  const QString qm = dir_.filePath(QStringLiteral("test.qm"));
  QFile file(ts);
  if (!file.open(QIODevice::WriteOnly)) {
    why_ = file.errorString();
    return;
  }
  QXmlStreamWriter xml(&file);
  xml.setAutoFormatting(true);
  xml.writeStartDocument();
  xml.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
  xml.writeStartElement(QStringLiteral("TS"));
  xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
  xml.writeAttribute(QStringLiteral("language"), language);
  for (const auto& [context, list] : contexts) {
    xml.writeStartElement(QStringLiteral("context"));
    xml.writeTextElement(QStringLiteral("name"), context);
    for (const Message* m : list) {
      xml.writeStartElement(QStringLiteral("message"));
      if (m->numerus) xml.writeAttribute(QStringLiteral("numerus"), QStringLiteral("yes"));
      xml.writeTextElement(QStringLiteral("source"), QString::fromUtf8(m->source));
      if (m->numerus) {
        xml.writeStartElement(QStringLiteral("translation"));
        xml.writeTextElement(QStringLiteral("numerusform"), m->translation);
        xml.writeEndElement();
      } else {
        xml.writeTextElement(QStringLiteral("translation"), m->translation);
      }
      xml.writeEndElement();
    }
    xml.writeEndElement();
  }
  xml.writeEndElement();
  xml.writeEndDocument();
  file.close();

  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(lrelease, {QStringLiteral("-silent"), ts, QStringLiteral("-qm"), qm});
  if (!process.waitForFinished() || process.exitCode() != 0 || !translator_.load(qm)) {
    why_ = QStringLiteral("lrelease made no catalogue: ") + QString::fromUtf8(process.readAll());
    return;
  }
  installed_ = QCoreApplication::installTranslator(&translator_);
  if (!installed_) why_ = QStringLiteral("the catalogue could not be installed");
}

TestCatalogue::~TestCatalogue() {
  if (installed_) QCoreApplication::removeTranslator(&translator_);
}

}  // namespace halvane::ctl
