#pragma once

#include <functional>
#include <string>
#include <vector>

#include "oru/picture.hpp"

namespace oru {

class Panel;

// Widget geometry is in twips (1/1440 inch). A toolkit that draws a panel at its design size maps
// this many twips onto one logical pixel (the Qt layer does; the sample pictures are drawn for it).
inline constexpr int kTwipsPerPixel = 15;

// Label alignments (the Alignment property).
inline constexpr int kLeftJustify = 0;
inline constexpr int kRightJustify = 1;
inline constexpr int kCentred = 2;

enum class WidgetKind {
    CommandButton,
    Label,
    TextBox,
    ComboBox,
    ListBox,
    Image,
    PictureBox,
    Line,
    Control,  // another control hosted inside the panel
};

// Every property a toolkit layer may have to redraw.
enum class Property {
    Visible,
    Enabled,
    Left,
    Top,
    Width,
    Height,
    Caption,
    Text,
    ToolTip,
    Alignment,
    Picture,
    List,
    ListIndex,
};

// One child widget of a panel. The panel's logic writes its properties through the "code side"
// members; a toolkit or a scripted host reads them and feeds the user's actions in through the
// "user side" members, which never let a failure escape (the panel shows its error box).
class Widget {
public:
    // Built by the owning panel from its inventory; hosts get widgets from Panel::widget.
    Widget(Panel& owner, std::string name, int index, WidgetKind kind);
    Widget(const Widget&) = delete;
    Widget& operator=(const Widget&) = delete;

    // identity
    Panel& panel() const { return owner_; }
    const std::string& name() const { return name_; }
    int index() const { return index_; }  // -1 outside a widget array
    WidgetKind kind() const { return kind_; }
    std::string fullName() const;  // "tbVal(3)", "bExtBrut"
    Panel* hosted() const { return hosted_; }
    // The picture-box frame holding this widget (its position is relative to it), or nullptr
    // when the widget sits directly on the panel.
    Widget* container() const { return container_; }

    // what the panel shows
    bool visible() const { return visible_; }
    bool enabled() const { return enabled_; }
    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    const std::string& caption() const { return caption_; }
    const std::string& text() const { return text_; }
    const std::string& toolTip() const { return toolTip_; }
    int alignment() const { return alignment_; }
    const Picture& picture() const { return picture_; }
    int listIndex() const { return listIndex_; }
    int listCount() const { return static_cast<int>(list_.size()); }
    const std::string& list(int i) const;  // "" outside the list

    // what a user does; failures are contained and shown in the panel's error box, never thrown
    void click();                    // a command button's (or a list's) Click
    void setText(std::string text);  // typing; raises Change when the text differs
    void lostFocus();                // the widget loses the focus
    void setListIndex(int i);        // picking item i (-1 none); raises Click when it changes

    // code side: what the panel's logic writes. writeText and writeListIndex raise Change and
    // Click synchronously, inside the write, and let failures of the handlers propagate.
    void setVisible(bool v);
    void setEnabled(bool v);
    void setLeft(int v);
    void setTop(int v);
    void setWidth(int v);
    void setHeight(int v);
    void setCaption(std::string v);
    void setToolTip(std::string v);
    void setAlignment(int v);
    void setPicture(Picture p);
    void writeText(std::string v);   // raises Change when the text differs
    void writeListIndex(int i);      // -1 .. listCount()-1; raises Click when the index changes
    void addItem(std::string item);  // appends to the list
    void clear();                    // empties list and text, ListIndex -1, no event
    void fireClick();                // runs the Click handling as code (failures propagate)

private:
    // Event handling and hosting are bound once by the owning panel (Panel::bindClick and its
    // siblings); nothing outside the panel may replace a handler, which would break the panel
    // silently.
    friend class Panel;
    void onClick(std::function<void()> handler) { onClick_ = std::move(handler); }
    void onChange(std::function<void()> handler) { onChange_ = std::move(handler); }
    void onLostFocus(std::function<void()> handler) { onLostFocus_ = std::move(handler); }
    void setHosted(Panel* control) { hosted_ = control; }
    void setContainer(Widget* frame) { container_ = frame; }

    void notify(Property p);
    template <class T>
    void assign(T& member, T value, Property p);

    Panel& owner_;
    std::string name_;
    int index_;
    WidgetKind kind_;
    Panel* hosted_ = nullptr;
    Widget* container_ = nullptr;

    bool visible_ = true;
    bool enabled_ = true;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    std::string caption_, text_, toolTip_;
    int alignment_ = 0;
    Picture picture_;
    std::vector<std::string> list_;
    int listIndex_ = -1;

    std::function<void()> onClick_, onChange_, onLostFocus_;
};

}  // namespace oru
