#pragma once

#include <functional>
#include <string>
#include <vector>

// Message boxes raised while the user types wait until the keystroke is done, so that no modal
// box pops up in the middle of a word. The boxes are still recorded by the Host at once; only
// their display waits.
namespace oru::qt::boxes {

// Marks one keystroke being handled; the boxes it raised are shown once the outermost scope is
// over, when control returns to the event loop.
class TypingScope {
public:
    TypingScope();
    ~TypingScope();
    TypingScope(const TypingScope&) = delete;
    TypingScope& operator=(const TypingScope&) = delete;
    // The prompts of the boxes raised inside this scope.
    const std::vector<std::string>& deferred() const { return deferred_; }

private:
    friend void show(std::string prompt, std::function<void()> display);
    TypingScope* outer_;
    std::vector<std::string> deferred_;
};

// Shows a box now, or once the keystroke under way is done.
void show(std::string prompt, std::function<void()> display);

}  // namespace oru::qt::boxes
