#pragma once

// What the panels build their widget structs and their tooltip tables with.
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "frame/failures.hpp"
#include "oru/panel.hpp"

namespace oru {

// A widget array of a panel, looked up once when the panel is built: array(i) is the element i
// of the array `name` (tbVal(3)). An index outside the array fails as Panel::widget does. The
// panels keep their widgets in a private struct Ui, single widgets as references and arrays as
// WidgetArray, named as the widgets are.
template <std::size_t N>
class WidgetArray {
public:
    WidgetArray(Panel& panel, std::string_view name) : name_(name) {
        for (std::size_t i = 0; i < N; ++i)
            items_[i] = &panel.widget(name, static_cast<int>(i));
    }
    Widget& operator()(int i) const {
        if (i < 0 || static_cast<std::size_t>(i) >= N) fail::noSuchArrayElement(name_, i);
        return *items_[static_cast<std::size_t>(i)];
    }
    constexpr int size() const { return static_cast<int>(N); }

private:
    std::string_view name_;  // the inventory's name, which outlives the panel
    std::array<Widget*, N> items_{};
};

// A tooltip written into a widget (index -1 outside an array).
struct TipRow {
    std::string_view widget;
    int index;
    std::string_view text;
};

inline void ApplyTips(Panel& panel, std::span<const TipRow> rows) {
    for (const TipRow& r : rows)
        panel.widget(r.widget, r.index).setToolTip(std::string(r.text));
}

}  // namespace oru
