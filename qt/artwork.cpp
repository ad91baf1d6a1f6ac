#include "oru/qt/artwork.hpp"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

#include <memory>
#include <string>
#include <unordered_map>

#include "oru/resources.hpp"

// Registers the artwork compiled into the library (a static library's resources are not
// registered by themselves). Outside any namespace, as Qt requires.
static void registerArtwork() { Q_INIT_RESOURCE(oru_artwork); }

namespace oru::qt {
namespace {

void ensureArtwork() {
    static const bool registered = [] {
        registerArtwork();
        return true;
    }();
    (void)registered;
}

QString upperName(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())).toUpper();
}

// Draws the placeholder of a resource without artwork: a light tile with a frame and the name,
// wrapped on its underscores.
void paintPlaceholder(QPainter& p, const QRectF& r, const QString& name) {
    p.fillRect(r, QColor(0xf3, 0xf4, 0xf6));
    p.setPen(QPen(QColor(0x9c, 0xa3, 0xaf), 1.0));
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    QFont f = p.font();
    f.setPixelSize(std::max(4, static_cast<int>(r.height() / 5)));
    p.setFont(f);
    p.setPen(QColor(0x37, 0x41, 0x51));
    QString text = name;
    text.replace(QLatin1Char('_'), QStringLiteral("_\u200b"));
    p.drawText(r.adjusted(1, 1, -1, -1), Qt::AlignCenter | Qt::TextWrapAnywhere, text);
}

// The parsed artwork of a resource, read once per name; nullptr when it has none.
QSvgRenderer* rendererFor(std::string_view name) {
    static std::unordered_map<std::string, std::unique_ptr<QSvgRenderer>> renderers;
    const QString upper = upperName(name);
    const std::string key = upper.toStdString();
    auto it = renderers.find(key);
    if (it == renderers.end()) {
        ensureArtwork();
        const QString path = QStringLiteral(":/oru/artwork/") + upper + QStringLiteral(".svg");
        std::unique_ptr<QSvgRenderer> svg;
        if (QFile::exists(path)) {
            svg = std::make_unique<QSvgRenderer>(path);
            if (!svg->isValid()) svg.reset();
        }
        it = renderers.emplace(key, std::move(svg)).first;
    }
    return it->second.get();
}

// Renders the SVG (or the placeholder) of one resource into any rectangle.
void paintResource(QPainter& p, const QRectF& r, std::string_view name) {
    if (QSvgRenderer* svg = rendererFor(name)) {
        svg->render(&p, r);
        return;
    }
    paintPlaceholder(p, r, upperName(name));
}

// An icon engine that draws the resource afresh for each requested size, so that it stays crisp
// at every scale.
class ResourceIconEngine final : public QIconEngine {
public:
    explicit ResourceIconEngine(std::string name) : name_(std::move(name)) {}
    void paint(QPainter* p, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        p->save();
        if (mode == QIcon::Disabled) p->setOpacity(0.4);
        paintResource(*p, rect, name_);
        p->restore();
    }
    // Rendered once per size and mode: buttons redraw often, and a set-up reassigns pictures.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        const QString key = QStringLiteral("oru-artwork:%1:%2x%3:%4")
                                .arg(QString::fromStdString(name_))
                                .arg(size.width())
                                .arg(size.height())
                                .arg(int(mode));
        QPixmap pm;
        if (QPixmapCache::find(key, &pm)) return pm;
        pm = QPixmap(size);
        pm.fill(Qt::transparent);
        {
            QPainter p(&pm);
            p.setRenderHint(QPainter::Antialiasing);
            paint(&p, QRect(QPoint(0, 0), size), mode, state);
        }
        QPixmapCache::insert(key, pm);
        return pm;
    }
    QIconEngine* clone() const override { return new ResourceIconEngine(name_); }

private:
    std::string name_;
};

}  // namespace

QSize resourceSize(std::string_view name) {
    if (const auto size = res::sizeOf(name)) return {size->width, size->height};
    return {};
}

QPixmap resourcePixmap(std::string_view name, qreal devicePixelRatio) {
    const QSize size = resourceSize(name);
    if (size.isEmpty()) return {};
    const qreal dpr = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QPixmap pm(size * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    paintResource(p, QRectF(QPointF(0, 0), QSizeF(size)), name);
    return pm;
}

QIcon resourceIcon(std::string_view name) {
    if (resourceSize(name).isEmpty()) return {};
    return QIcon(new ResourceIconEngine(std::string(name)));
}

bool hasArtwork(std::string_view name) { return rendererFor(name) != nullptr; }

QStringList artworkNames() {
    QStringList names;
    ensureArtwork();
    QDirIterator it(QStringLiteral(":/oru/artwork"));
    while (it.hasNext()) {
        const QString file = it.next();
        if (file.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive))
            names << QFileInfo(file).completeBaseName().toUpper();
    }
    names.sort();
    return names;
}

}  // namespace oru::qt
