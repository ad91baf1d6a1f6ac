#pragma once

#include <stdexcept>

namespace oru {

// A failure of a library procedure. Procedures that carry their own failure trap catch it and
// show the error box; the others (selector operations, most getters) let it reach the caller.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace oru
