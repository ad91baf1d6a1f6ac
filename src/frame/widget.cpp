#include "oru/widget.hpp"

#include "frame/failures.hpp"
#include "oru/panel.hpp"

namespace oru {

Widget::Widget(Panel& owner, std::string name, int index, WidgetKind kind)
    : owner_(owner), name_(std::move(name)), index_(index), kind_(kind) {}

std::string Widget::fullName() const {
    if (index_ < 0) return name_;
    return name_ + "(" + std::to_string(index_) + ")";
}

const std::string& Widget::list(int i) const {
    static const std::string kEmpty;
    if (i < 0 || i >= listCount()) return kEmpty;
    return list_[static_cast<std::size_t>(i)];
}

void Widget::notify(Property p) { owner_.notify(*this, p); }

// ---- user side -------------------------------------------------------------------------------

void Widget::click() {
    owner_.userAction(*this, [this] { fireClick(); });
}

void Widget::setText(std::string text) {
    owner_.userAction(*this, [this, &text] { writeText(std::move(text)); });
}

void Widget::lostFocus() {
    owner_.userAction(*this, [this] {
        if (onLostFocus_) onLostFocus_();
    });
}

void Widget::setListIndex(int i) {
    owner_.userAction(*this, [this, i] { writeListIndex(i); });
}

// ---- code side -------------------------------------------------------------------------------

template <class T>
void Widget::assign(T& member, T value, Property p) {
    if (member == value) return;
    member = std::move(value);
    notify(p);
}

void Widget::setVisible(bool v) { assign(visible_, v, Property::Visible); }
void Widget::setEnabled(bool v) { assign(enabled_, v, Property::Enabled); }
void Widget::setLeft(int v) { assign(left_, v, Property::Left); }
void Widget::setTop(int v) { assign(top_, v, Property::Top); }
void Widget::setWidth(int v) { assign(width_, v, Property::Width); }
void Widget::setHeight(int v) { assign(height_, v, Property::Height); }
void Widget::setCaption(std::string v) { assign(caption_, std::move(v), Property::Caption); }
void Widget::setToolTip(std::string v) { assign(toolTip_, std::move(v), Property::ToolTip); }
void Widget::setAlignment(int v) { assign(alignment_, v, Property::Alignment); }

void Widget::setPicture(Picture p) {
    // Always notified: the same file may have changed on disk.
    picture_ = std::move(p);
    notify(Property::Picture);
}

void Widget::writeText(std::string v) {
    if (text_ == v) return;
    text_ = std::move(v);
    notify(Property::Text);
    if (onChange_) onChange_();
}

void Widget::writeListIndex(int i) {
    if (i < -1 || i >= listCount()) fail::invalidPropertyValue();
    if (i == listIndex_) return;
    listIndex_ = i;
    std::string t = i < 0 ? std::string() : list_[static_cast<std::size_t>(i)];
    if (t != text_) {
        text_ = std::move(t);
        notify(Property::Text);
    }
    notify(Property::ListIndex);
    if (onClick_) onClick_();
}

void Widget::addItem(std::string item) {
    list_.push_back(std::move(item));
    notify(Property::List);
}

void Widget::clear() {
    const bool hadList = !list_.empty();
    list_.clear();
    if (hadList) notify(Property::List);
    if (listIndex_ != -1) {
        listIndex_ = -1;
        notify(Property::ListIndex);
    }
    if (!text_.empty()) {
        text_.clear();
        notify(Property::Text);
    }
}

void Widget::fireClick() {
    if (onClick_) onClick_();
}

}  // namespace oru
