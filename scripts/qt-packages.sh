# The Debian packages of the Qt layer, shared by the README's commands: Qt 6 Widgets and SVG,
# the Designer plugin interface and Qt's form loader (whose CMake package needs the OpenGL
# widgets' development files), Qt Linguist's lrelease and lupdate for the translations, a font
# for the panels' texts, Qt's own translations (the demo shows Qt's texts in French and English),
# and an X server for the tests that need a real display.
QT_PACKAGES=(qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools libqt6opengl6-dev
    fonts-dejavu-core qt6-translations-l10n)
X_PACKAGES=(xvfb xauth)
