#include "oru/qt/translations.hpp"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QTranslator>
#include <memory>

// Registers the translations compiled into the library (outside any namespace, as Qt requires).
static void registerTranslations() { Q_INIT_RESOURCE(oru_i18n); }

namespace oru::qt {
namespace {

// The texts the panels build from a fixed part and values: each pattern matches a whole line,
// and its template (the catalogue's source) stands for the line with %1, %2... for the values,
// which are kept as they are.
struct Pattern {
    const char* regex;
    const char* source;
};
// clang-format off
constexpr Pattern kPatterns[] = {
    // message boxes: files and resources
    {R"(^Fichier (.+) non trouvé$)",                         "Fichier %1 non trouvé"},
    {R"(^Fichier introuvable : (.+)$)",                      "Fichier introuvable : %1"},
    {R"(^Image non valide : (.+)$)",                         "Image non valide : %1"},
    {R"(^Accès refusé au fichier (.+)$)",                    "Accès refusé au fichier %1"},
    {R"(^Erreur d'entrée/sortie sur le fichier (.+)$)",      "Erreur d'entrée/sortie sur le fichier %1"},
    {R"(^Fichier trop volumineux : (.+)$)",                  "Fichier trop volumineux : %1"},
    {R"(^Lecture du fichier (.+)$)",                         "Lecture du fichier %1"},
    {R"(^La ressource '(.+)' est introuvable$)",             "La ressource '%1' est introuvable"},
    {R"(^Contrôle '(.+)' introuvable$)",                     "Contrôle '%1' introuvable"},
    {R"(^L'élément '(.+)' du groupe de contrôles '(.+)' n'existe pas$)",
                                  "L'élément '%1' du groupe de contrôles '%2' n'existe pas"},
    // message boxes: labels carrying a value
    {R"(^Retour de valeur (-?\d+)$)",                        "Retour de valeur %1"},
    {R"(^Sélection d'un trou : erreur=(-?\d+)$)",            "Sélection d'un trou : erreur=%1"},
    // the thread list: designation, pitch, diameter range
    {R"(^([^\t]*)\tpas=([^\t]*)\t(.*)$)",                    "%1\tpas=%2\t%3"},
    // the pass summary of the turning panel
    {R"(^1° passe=(\S+) \+ 1 passe=(\S+)$)",                 "1° passe=%1 + 1 passe=%2"},
    {R"(^1° passe=(\S+) \+ (\S+) passes=(\S+)$)",            "1° passe=%1 + %2 passes=%3"},
    {R"(^1 passe=(\S+)$)",                                   "1 passe=%1"},
    {R"(^(\S+) passes=(\S+)$)",                              "%1 passes=%2"},
    // a tooltip followed by the bounds the host gave (" > " and a value, once or more)
    {R"(^(.*?\pL.*?)((?: > [^>]*)+)$)",                      nullptr},
};
// clang-format on

struct Compiled {
    QRegularExpression regex;
    const char* source;
};

const std::vector<Compiled>& patterns() {
    static const std::vector<Compiled> compiled = [] {
        std::vector<Compiled> out;
        for (const Pattern& p : kPatterns)
            out.push_back({QRegularExpression(QString::fromUtf8(p.regex)), p.source});
        return out;
    }();
    return compiled;
}

bool hasLetter(const QString& s) {
    for (QChar c : s)
        if (c.isLetter()) return true;
    return false;
}

// A widget's name ("tbPara(3)", "bSens", "Avalant1"), which opens the error box of a user
// action: a value, not a text. Widget names carry their kind as a lower-case prefix before a
// capital letter, an array index, or a digit; the selectors' own two are named here.
bool isWidgetName(const QString& line) {
    static const QRegularExpression name(QStringLiteral(R"(^[A-Za-z]+[0-9]*(\(\d+\))?$)"));
    if (!name.match(line).hasMatch()) return false;
    if (line == QLatin1String("Bavalant") || line == QLatin1String("Tavalant")) return true;
    if (line.contains(QLatin1Char('(')) || line.back().isDigit()) return true;
    for (qsizetype i = 1; i < line.size(); ++i)
        if (line[i].isUpper() && line[i - 1].isLower()) return true;
    return false;
}

// How one line breaks down: the fixed part to look up (empty for a value), the values that
// fill its %1, %2..., and what follows the fixed part unchanged (the host's bounds).
struct Parts {
    QString source;
    QStringList values;
    QString tail;
};

Parts partsOf(const QString& line) {
    if (!hasLetter(line) || isWidgetName(line)) return {};
    for (const Compiled& p : patterns()) {
        const QRegularExpressionMatch m = p.regex.match(line);
        if (!m.hasMatch()) continue;
        if (!p.source) return {m.captured(1), {}, m.captured(2)};
        Parts parts{QString::fromUtf8(p.source), {}, {}};
        for (int i = 1; i <= m.lastCapturedIndex(); ++i)
            parts.values << m.captured(i);
        return parts;
    }
    return {line, {}, {}};
}

QStringList linesOf(const QString& text, QStringList* separators) {
    static const QRegularExpression breaks(QStringLiteral("\r\n|\n|\r"));
    QStringList lines;
    qsizetype from = 0;
    for (auto it = breaks.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        lines << text.mid(from, m.capturedStart() - from);
        if (separators) *separators << m.captured();
        from = m.capturedEnd();
    }
    lines << text.mid(from);
    return lines;
}

QString fill(QString translated, const QStringList& values) {
    // Filled from the last so that %1 does not eat the front of %10.
    for (qsizetype i = values.size(); i >= 1; --i)
        translated.replace(QLatin1Char('%') + QString::number(i), values[i - 1]);
    return translated;
}

bool g_active = false;
std::vector<std::unique_ptr<QTranslator>> g_translators;
QHash<QString, QString> g_cache;  // context + '\x1f' + text -> shown text

}  // namespace

bool installTranslations(const QLocale& locale) {
    registerTranslations();
    for (auto& t : g_translators)
        QCoreApplication::removeTranslator(t.get());
    g_translators.clear();
    g_cache.clear();
    g_active = false;
    if (locale.language() == QLocale::French) return false;
    for (const char* catalogue : {"oructrl", "oructrl_qt"}) {
        auto t = std::make_unique<QTranslator>();
        if (!t->load(locale, QString::fromLatin1(catalogue), QStringLiteral("_"),
                     QStringLiteral(":/oru/i18n")))
            continue;
        QCoreApplication::installTranslator(t.get());
        g_translators.push_back(std::move(t));
    }
    g_active = !g_translators.empty();
    return g_active;
}

QString translatedText(std::string_view context, std::string_view text) {
    const QString french = QString::fromUtf8(text.data(), qsizetype(text.size()));
    if (!g_active || french.isEmpty()) return french;
    const QByteArray ctx(context.data(), qsizetype(context.size()));
    const QString key = QString::fromLatin1(ctx) + QChar(0x1f) + french;
    if (auto it = g_cache.constFind(key); it != g_cache.constEnd()) return *it;

    QStringList separators;
    const QStringList lines = linesOf(french, &separators);
    QString shown;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const Parts parts = partsOf(lines[i]);
        QString line = lines[i];
        if (!parts.source.isEmpty()) {
            const QByteArray source = parts.source.toUtf8();
            const QString translated =
                QCoreApplication::translate(ctx.constData(), source.constData());
            line = fill(translated, parts.values) + parts.tail;
        }
        shown += line;
        if (i < separators.size()) shown += separators[i];
    }
    g_cache.insert(key, shown);
    return shown;
}

std::vector<std::string> fixedParts(std::string_view text) {
    std::vector<std::string> out;
    const QString s = QString::fromUtf8(text.data(), qsizetype(text.size()));
    for (const QString& line : linesOf(s, nullptr)) {
        const Parts parts = partsOf(line);
        if (!parts.source.isEmpty()) out.push_back(parts.source.toStdString());
    }
    return out;
}

}  // namespace oru::qt
