// The demo host's screenshots on a real X server: Xvfb is started for the run (through
// xvfb-run), the demo writes its fixed set of panels, and every picture must have its panel's
// size and show something.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

// How many different colours a picture holds (up to a cap): a blank picture has one.
int colours(const QImage& image) {
    QSet<QRgb> seen;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); y += 2)
        for (int x = 0; x < rgb.width(); x += 2) {
            seen.insert(rgb.pixel(x, y));
            if (seen.size() > 64) return int(seen.size());
        }
    return int(seen.size());
}

TEST(Screenshots, EveryPanelIsWrittenAtItsSizeAndIsNotBlank) {
    const QString xvfbRun = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
    ASSERT_FALSE(xvfbRun.isEmpty()) << "xvfb-run is missing (Debian package xvfb)";
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());

    QProcess demo;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    demo.setProcessEnvironment(env);
    demo.setProcessChannelMode(QProcess::MergedChannels);
    demo.start(xvfbRun, {QStringLiteral("-a"), QStringLiteral("-s"),
                         QStringLiteral("-screen 0 1600x1000x24"), QStringLiteral(ORU_DEMO),
                         QStringLiteral("--screenshot"), out.path()});
    ASSERT_TRUE(demo.waitForFinished(120000));
    const QString log = QString::fromLocal8Bit(demo.readAll());
    ASSERT_EQ(demo.exitStatus(), QProcess::NormalExit) << log.toStdString();
    ASSERT_EQ(demo.exitCode(), 0) << log.toStdString();

    const QStringList files = QDir(out.path()).entryList({QStringLiteral("*.png")});
    int turning = 0, milling = 0;
    for (const QString& name : files) {
        const QImage image(out.filePath(name));
        ASSERT_FALSE(image.isNull()) << name.toStdString();
        if (name.startsWith(QStringLiteral("tournage-"))) {
            ++turning;
            EXPECT_EQ(image.size(), QSize(627, 313)) << name.toStdString();
        } else if (name.startsWith(QStringLiteral("fraisage-"))) {
            ++milling;
            EXPECT_EQ(image.size(), QSize(340, 608)) << name.toStdString();
        }
        EXPECT_GT(colours(image), 8) << name.toStdString() << " looks blank";
    }
    EXPECT_GE(turning, 12);
    EXPECT_GE(milling, 4);
    EXPECT_TRUE(files.contains(QStringLiteral("selecteurs.png")));
    EXPECT_TRUE(files.contains(QStringLiteral("demo-window.png")));
}

}  // namespace
