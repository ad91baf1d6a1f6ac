// Routines the set-up and the approach buttons call whose work is not written yet: the tool
// pictures, the operation picture with the placing of the boxes, the thread table reader, the
// hole cycle buttons and the thread type choice of the threading page. Each is called where and
// with what it will need, and does nothing for now.
#include <string>

#include "tournage/internal.hpp"

namespace oru {

// Will show the external or internal tool picture for the tool code.
void OperTournage::InitImageOutil(std::string outil) { (void)outil; }

// Will draw the operation picture, place and show the parameter boxes and, for turning and
// facing, refresh the pass summary.
void OperTournage::AfficheOperation() {}

// Will read the thread table of the profile into Filets and fill the pitch list.
void OperTournage::LitFichierFilet(std::string profil, double PasInit, double ProfInit,
                                   double Drapeau) {
    (void)profil;
    (void)PasInit;
    (void)ProfInit;
    (void)Drapeau;
}

// Will switch the drilling cycle (and with it NumOp) and redraw the hole buttons.
void OperTournage::bTrou_Click(int Index) { (void)Index; }

// Will choose the thread type of button Index on the threading page: type letter, caption,
// flank angle, pitch list and the list of threads of that type.
void OperTournage::ChoixTypeFilet(int Index) { (void)Index; }

}  // namespace oru
