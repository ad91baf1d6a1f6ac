// Built with nothing but the flags pkg-config gives for the Qt layer: a ready widget shows its
// control with the library's own artwork.
#include <QApplication>
#include <iostream>

#include <oru/qt/artwork.hpp>
#include <oru/qt/controls.hpp>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    oru::qt::ArrosageWidget coolant;
    coolant.setValue(2);
    coolant.show();
    const bool artwork = oru::qt::hasArtwork("ARRO_2");
    std::cout << "arrosage : " << coolant.value() << ", dessins : " << (artwork ? "oui" : "non")
              << "\n";
    return coolant.value() == 2 && artwork ? 0 : 1;
}
