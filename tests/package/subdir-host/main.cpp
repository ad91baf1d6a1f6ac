// Sets the milling panel up for a blind pocket and prints the pass summary it shows.
#include <iostream>

#include <oru/oru.hpp>

int main() {
    oru::Host host;
    oru::OperFraisage milling(host);
    milling.Typoper = 20;
    milling.SetPasses("FR10", {50, 2, 3, 0.5, 0.2, 0.3, 8, 0, 10, 12, 10});
    std::cout << milling.widget("tNbPasses").caption() << "\n";
    return milling.GetPasse() == 3 ? 0 : 1;
}
