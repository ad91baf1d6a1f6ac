// The smallest host of a control: a dialog with the turning panel set up for a threading
// operation; on OK it prints what the host reads back.
//
//   minimal_host            opens the dialog
//   minimal_host --accept   presses OK at once (for automated runs)
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdint>
#include <iostream>
#include <vector>

#include <oru/oru.hpp>
#include <oru/qt/panelview.hpp>

int main(int argc, char** argv) {
    QApplication app(argc, argv);

    // One Host for the application: it shows the panels' message boxes over the dialog.
    oru::Host host;
    oru::OperTournage turning(host);

    // Automated runs cannot close a message box: they print the boxes at the end instead.
    const bool automated = app.arguments().contains("--accept");
    QDialog dialog;
    dialog.setWindowTitle("Filetage");
    if (!automated) oru::qt::installMessageBoxes(host, &dialog);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new oru::qt::PanelView(turning));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);

    // Folders first: thread tables under DirSld + "user\", pictures in chbmp.
    const std::string data = ORU_DATA_DIR;
    turning.DirSld = data;
    turning.chbmp =
        QFileInfo::exists(QString::fromStdString(data + "pictures")) ? data + "pictures/" : data;

    // A threading operation (130), external profile, ISO metric M20 x 2.5, right hand.
    // td: safety retracts X and Z, stock diameter, distance to the stock, the eight boxes, then
    // thread diameter, pitch, (unused), cylinder length.
    std::vector<double> td = {2, 2, 20, 2, 1, 1, 1.534, 0.1, 0, 0, 0, 30, 20, 2.5, 0, 30};
    // ti: operation, approach (10..13), retract, thread hand (0 right), passes, direction index,
    // starts, option.
    std::vector<std::int16_t> ti = {130, 10, 0, 0, 8, 0, 1, 0};
    turning.SetOperTour("30_FILETEXT", "E", "M", td, ti);

    if (automated) QTimer::singleShot(0, &dialog, &QDialog::accept);
    if (dialog.exec() != QDialog::Accepted) return 1;

    std::cout << "type de filet : " << turning.GetTypeFilet() << "\n"
              << "pas : " << turning.GetPas() << "\n"
              << "profondeur du filet : " << turning.GetProfFilet() << "\n"
              << "nombre de passes : " << turning.GetNbPasse() << "\n"
              << "nombre de filets : " << turning.GetUsineGorge() << "\n"
              << "sens du filet : " << turning.GetSensFilet() << "\n"
              << "longueur : " << turning.GetProfondeur() << "\n"
              << "approche : " << turning.GetTypeAppro() << "\n";
    for (const oru::Message& m : host.messages())
        std::cout << "message : " << m.title << " / " << m.prompt << "\n";
    return 0;
}
