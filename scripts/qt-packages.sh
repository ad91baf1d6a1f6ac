# The Debian packages of the Qt layer, shared by the README's commands: Qt 6 Widgets and SVG,
# the Designer plugin interface, a font for the panels' texts, and an X server for the tests that
# need a real display.
QT_PACKAGES=(qt6-base-dev qt6-svg-dev qt6-tools-dev fonts-dejavu-core)
X_PACKAGES=(xvfb xauth)
