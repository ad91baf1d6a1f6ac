// Writes the translation catalogue of the panels' texts (a Qt Linguist .ts file): drives every
// control through what it can show, breaks each text into its fixed parts, and adds those not in
// the catalogue yet, keeping every translation already there.
//
//   oru-tsgen --pictures DIR --data DIR --ts FILE [--language en]
//
// DIR of --data holds the thread tables under user/. New entries are marked unfinished, for a
// translator to fill in with Qt Linguist (or by hand); nothing already in the file is dropped.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <cstdio>
#include <map>
#include <set>

#include "oru/oru.hpp"
#include "oru/qt/translations.hpp"
#include "sweep.hpp"

namespace {

struct Entry {
    QString translation;
    bool finished = false;
    QString comment;
};
using Catalogue = std::map<QString, std::map<QString, Entry>>;  // context -> source -> entry

bool read(const QString& path, Catalogue& out, QString& language) {
    QFile file(path);
    if (!file.exists()) return true;
    if (!file.open(QFile::ReadOnly)) return false;
    QXmlStreamReader xml(&file);
    QString context, source;
    Entry entry;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == QLatin1String("TS")) {
                language = xml.attributes().value(QLatin1String("language")).toString();
            } else if (name == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (name == QLatin1String("message")) {
                source.clear();
                entry = {};
            } else if (name == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (name == QLatin1String("comment")) {
                entry.comment = xml.readElementText();
            } else if (name == QLatin1String("translation")) {
                const auto type = xml.attributes().value(QLatin1String("type"));
                entry.finished = type.isEmpty();
                entry.translation = xml.readElementText();
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            out[context][source] = entry;
        }
    }
    return !xml.hasError();
}

bool write(const QString& path, const Catalogue& catalogue, const QString& language) {
    QSaveFile file(path);
    if (!file.open(QFile::WriteOnly)) return false;
    QXmlStreamWriter xml(&file);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(4);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    xml.writeStartElement(QStringLiteral("TS"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    xml.writeAttribute(QStringLiteral("language"), language);
    xml.writeAttribute(QStringLiteral("sourcelanguage"), QStringLiteral("fr"));
    for (const auto& [context, messages] : catalogue) {
        xml.writeStartElement(QStringLiteral("context"));
        xml.writeTextElement(QStringLiteral("name"), context);
        for (const auto& [source, entry] : messages) {
            xml.writeStartElement(QStringLiteral("message"));
            xml.writeTextElement(QStringLiteral("source"), source);
            if (!entry.comment.isEmpty())
                xml.writeTextElement(QStringLiteral("comment"), entry.comment);
            xml.writeStartElement(QStringLiteral("translation"));
            if (!entry.finished)
                xml.writeAttribute(QStringLiteral("type"), QStringLiteral("unfinished"));
            xml.writeCharacters(entry.translation);
            xml.writeEndElement();
            xml.writeEndElement();
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return file.commit();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser args;
    args.addHelpOption();
    args.addOption({QStringLiteral("pictures"), QStringLiteral("Sample picture folder."),
                    QStringLiteral("dir")});
    args.addOption({QStringLiteral("data"), QStringLiteral("Folder with user/Filet_*.dat."),
                    QStringLiteral("dir")});
    args.addOption(
        {QStringLiteral("ts"), QStringLiteral("The catalogue to update."), QStringLiteral("file")});
    args.addOption({QStringLiteral("language"), QStringLiteral("Its language (new files)."),
                    QStringLiteral("code"), QStringLiteral("en")});
    args.process(app);
    if (!args.isSet(QStringLiteral("pictures")) || !args.isSet(QStringLiteral("data")) ||
        !args.isSet(QStringLiteral("ts")))
        args.showHelp(2);

    auto folder = [&](const QString& option) {
        QString f = args.value(option);
        if (!f.endsWith(QLatin1Char('/'))) f += QLatin1Char('/');
        return f.toStdString();
    };
    const oru::textsweep::Folders folders{folder(QStringLiteral("pictures")),
                                          folder(QStringLiteral("data"))};

    std::set<std::pair<std::string, std::string>> seen;  // context, fixed part
    auto note = [&](const std::string& context, const std::string& text) {
        for (const std::string& part : oru::qt::fixedParts(text))
            seen.insert({context, part});
    };
    // The texts of the message boxes and those built from values, from the core's own list;
    // everything else as driving the controls shows it.
    for (const oru::FixedText& t : oru::FixedTexts())
        seen.insert({std::string(t.context), std::string(t.text)});
    oru::textsweep::SweepAll(folders, [&](oru::Panel& panel, oru::Host& host) {
        for (const auto& s : oru::textsweep::VisibleTexts(panel))
            note(s.widget->panel().className(), s.text);
        for (const oru::Message& m : host.messages()) {
            note("Messages", m.title);
            note("Messages", m.prompt);
        }
        host.clearMessages();
    });

    const QString path = args.value(QStringLiteral("ts"));
    Catalogue catalogue;
    QString language = args.value(QStringLiteral("language"));
    if (!read(path, catalogue, language)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return 1;
    }
    int added = 0;
    for (const auto& [context, part] : seen) {
        auto& messages = catalogue[QString::fromStdString(context)];
        if (messages.emplace(QString::fromStdString(part), Entry{}).second) ++added;
    }
    int unfinished = 0;
    for (const auto& [context, messages] : catalogue)
        for (const auto& [source, entry] : messages)
            if (!entry.finished) ++unfinished;
    if (!write(path, catalogue, language)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    std::printf("%s: %zu texts seen, %d added, %d without a translation\n", qPrintable(path),
                seen.size(), added, unfinished);
    return 0;
}
