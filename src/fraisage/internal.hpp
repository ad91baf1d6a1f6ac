#pragma once

// Shared by the source files of the milling panel: its widgets, looked up once.
#include "frame/ui.hpp"
#include "oru/operfraisage.hpp"

namespace oru {

struct OperFraisage::Ui {
    explicit Ui(Panel& p);

    WidgetArray<9> tbVal;  // the value fields
    WidgetArray<6> bTrou;  // the hole cycle buttons
    Widget &pPasses, &pOutil, &tNbPasses, &tDiamTrou, &tProf, &bExtBrut;
    Widget &bApproZsecu, &bApproXYZ, &bApproZXY, &bAppro3D, &bDegageZsecu, &Avalant1;
    Widget &pTrou, &tTrou;
    Widget &pAccoste, &cAccostage, &imgAccoste, &tbGardeAcc, &tbGardeDeg, &tbRecouvre, &bSurf,
        &tbAngBal;
};

}  // namespace oru
