// Built with nothing but the flags pkg-config gives for the core.
#include <iostream>

#include <oru/oru.hpp>

int main() {
    std::cout << oru::FormatNum3(2.0625) << "\n";
    return oru::Val("12,5") == 12 ? 0 : 1;
}
