#pragma once

// What the Qt tests share: the check that every Qt child shows what its model widget holds, the
// values a host reads back, and the data a real set-up needs (the shipped thread tables and the
// sample pictures of the build).
#include <QString>
#include <QTimer>
#include <string>
#include <vector>

#include "oru/oru.hpp"
#include "oru/qt/panelview.hpp"
#include "support/test_support.hpp"

namespace oru::test {

// Every disagreement between the Qt children of `view` (nested views included) and the model:
// visibility, enabled state, place, texts, items, current item and selection, pictures. Empty
// when the screen shows what the model holds.
std::vector<std::string> Disagreements(const qt::PanelView& view);
// What is wrong with where a Qt child is, against its model widget: exact for most kinds; a label
// grown for its text from its design anchor, a button grown for its caption, a box moved left
// to stay inside its frame or the picture it lies on. Empty when the place is right.
std::string PlaceProblem(const Widget& w, const QWidget& v);

// Every value the host reads back, rendered as text ("GetPas=2.5"). Getters that fail show their
// box, which is part of what the panel does.
std::vector<std::string> ReadBack(OperTournage& panel);
std::vector<std::string> ReadBack(OperFraisage& panel);

// Accepts every message box as soon as it shows; `seen` is what the last one said
// ("title / text").
class BoxCloser {
public:
    BoxCloser();
    QString seen;

private:
    QTimer timer_;
};

// A folder usable as the turning panel's DirSld (the shipped tables under user/), and the sample
// picture folder drawn by the build.
class SampleData {
public:
    SampleData();
    std::string dirSld() const { return tables_.folder(); }
    static std::string pictures();

private:
    TempDir tables_;
};

// The threading set-up of the minimal host example: M20 x 2.5, external, right hand.
void SetUpThreading(OperTournage& panel, const SampleData& data);
// A set-up of the turning panel for any operation, with the demo's usual values.
void SetUpTurning(OperTournage& panel, const SampleData& data, std::int16_t numop,
                  const std::string& profil = "E");
// A set-up of the milling panel for any type, with the demo's usual values.
void SetUpMilling(OperFraisage& panel, std::int16_t typoper);

}  // namespace oru::test
