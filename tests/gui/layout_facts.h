// What a built window shows, read back from its Qt widgets, so that a test
// can hold a window against its layout table row by row:
//
//   EXPECT_EQ(ReadWindow(wnd), (Window{.title = "Quarnel", .size = {500, 550},
//   ...})); ExpectControls(wnd, {{.name = "ClearBtn", .kind = "PushButton",
//   ...}, ...});
//
// Only what the widget really carries is read (captions, texts, fonts,
// alignment, colours, scroll bars, frame type and title-bar boxes), never the
// property block the window was built from: a layout value that does not
// reach the screen shows up as a difference.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QColor>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QRect>
#include <QTextDocument>
#include <QTextEdit>
#include <QWidget>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "framework/ui/controls.h"
#include "framework/ui/window.h"

namespace layout_facts {

// The family the framework asks for where a layout names "System".
inline constexpr const char* kSystemFamily = "Liberation Sans";

struct Font {
  std::string family{};  // "System" for the platform's font
  int pixels = 0;
  bool bold = false;
  bool operator==(const Font&) const = default;
};

enum class Align { None, Left, Centre, Right };

struct Control {
  std::string name{};
  std::string kind{};                 // TextArea, PushButton, Label, Canvas, Rectangle
  QRect place{};                      // left, top, width, height
  std::optional<std::string> text{};  // the caption, label text or area text
  // In a table row: the text is left open, any single non-empty line passes.
  bool anyLine = false;
  std::optional<Font> font{};
  Align align = Align::None;
  std::optional<QColor> colour{};      // text colour
  std::optional<QColor> background{};  // a text area's
  std::string scrollBars{};            // text areas: "vertical", "none", "both"
  bool border = false;                 // text areas
  bool readOnly = false;
  long long maxCharacters = 0;  // 0: no limit
  bool isDefault = false;       // push buttons
  bool picture = false;         // a canvas with a backdrop
  bool enabled = true;
  bool operator==(const Control&) const = default;
};

struct Window {
  std::string title{};
  QSize size{};  // the content area
  bool fixedSize = false;
  std::string frame{};  // "document" or "dialog"
  bool closeBox = false, minimiseBox = false, maximiseBox = false;
  std::optional<QColor> background{};  // none: the platform's
  bool menuBarShown = false;
  bool visible = false;
  bool operator==(const Window&) const = default;
};

inline const char* AlignName(Align align) {
  switch (align) {
    case Align::Left:
      return "left";
    case Align::Centre:
      return "centred";
    case Align::Right:
      return "right";
    case Align::None:
      break;
  }
  return "-";
}

inline std::string ColourName(const std::optional<QColor>& colour) {
  return colour ? colour->name().toStdString() : "-";
}

// Long texts (the help text) print as their start and length.
inline std::string Shown(const std::optional<std::string>& text) {
  if (!text) return "-";
  std::string shown = text->size() > 40
                          ? text->substr(0, 40) + "... (" + std::to_string(text->size()) + " bytes)"
                          : *text;
  std::string escaped;
  for (char c : shown) escaped += c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
  return "\"" + escaped + "\"";
}

inline void PrintTo(const Control& c, std::ostream* os) {
  *os << c.name << " " << c.kind << " at " << c.place.x() << "," << c.place.y() << " "
      << c.place.width() << "x" << c.place.height() << " text "
      << (c.anyLine ? "(any line)" : Shown(c.text));
  if (c.font)
    *os << " font " << c.font->family << " " << c.font->pixels << (c.font->bold ? " bold" : "");
  if (c.align != Align::None) *os << " " << AlignName(c.align);
  if (c.colour) *os << " colour " << ColourName(c.colour) << " on " << ColourName(c.background);
  if (!c.scrollBars.empty()) *os << " scroll bars " << c.scrollBars;
  if (c.maxCharacters) *os << " limit " << c.maxCharacters;
  *os << (c.border ? " border" : "") << (c.readOnly ? " read-only" : "")
      << (c.isDefault ? " default" : "") << (c.picture ? " picture" : "")
      << (c.enabled ? "" : " disabled");
}

inline void PrintTo(const Window& w, std::ostream* os) {
  *os << "\"" << w.title << "\" " << w.size.width() << "x" << w.size.height()
      << (w.fixedSize ? " fixed" : " resizable") << " " << w.frame
      << " frame, boxes:" << (w.closeBox ? " close" : "") << (w.minimiseBox ? " minimise" : "")
      << (w.maximiseBox ? " maximise" : "") << ", background " << ColourName(w.background)
      << (w.menuBarShown ? ", menu bar shown" : ", no menu bar shown")
      << (w.visible ? ", visible" : ", hidden");
}

inline Font ReadFont(const QWidget& widget) {
  const QFont font = widget.font();
  const std::string family = font.family().toStdString();
  return {family == kSystemFamily ? "System" : family, font.pixelSize(), font.bold()};
}

inline Align ReadAlign(Qt::Alignment alignment) {
  const Qt::Alignment horizontal = alignment & Qt::AlignHorizontal_Mask;
  if (horizontal & Qt::AlignHCenter) return Align::Centre;
  if (horizontal & (Qt::AlignRight | Qt::AlignTrailing)) return Align::Right;
  return Align::Left;
}

inline std::string ReadScrollBars(const QAbstractScrollArea& area) {
  const bool vertical = area.verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
  const bool horizontal = area.horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
  if (vertical && horizontal) return "both";
  if (vertical) return "vertical";
  return horizontal ? "horizontal" : "none";
}

inline Control ReadControl(const fw::Control& control) {
  const QWidget& w = *control.widget();
  Control c{.name = control.Name(), .place = w.geometry(), .enabled = w.isEnabled()};
  if (auto* area = dynamic_cast<const fw::TextArea*>(&control)) {
    const QTextEdit& editor = *area->editor();
    c.kind = "TextArea";
    c.text = area->Text();
    c.font = ReadFont(editor);
    c.align = ReadAlign(editor.document()->defaultTextOption().alignment());
    c.colour = editor.palette().color(QPalette::Text);
    c.background = editor.palette().color(QPalette::Base);
    c.scrollBars = ReadScrollBars(editor);
    c.border = editor.frameShape() != QFrame::NoFrame;
    c.readOnly = editor.isReadOnly();
    c.maxCharacters = area->MaximumCharactersAllowed();
  } else if (auto* button = qobject_cast<const QPushButton*>(&w)) {
    c.kind = "PushButton";
    c.text = button->text().toStdString();
    c.font = ReadFont(w);
    c.isDefault = button->isDefault();
  } else if (auto* label = qobject_cast<const QLabel*>(&w)) {
    c.kind = "Label";
    c.text = label->text().toStdString();
    c.font = ReadFont(w);
    c.align = ReadAlign(label->alignment());
    c.colour = label->palette().color(QPalette::WindowText);
  } else if (auto* canvas = dynamic_cast<const fw::Canvas*>(&control)) {
    c.kind = "Canvas";
    c.picture = canvas->Backdrop() != nullptr;
  } else if (dynamic_cast<const fw::Rectangle*>(&control)) {
    c.kind = "Rectangle";
  }
  return c;
}

inline std::string FrameName(Qt::WindowType type) {
  switch (type) {
    case Qt::Window:
      return "document";
    case Qt::Dialog:
      return "dialog";
    default:
      return "other";
  }
}

inline Window ReadWindow(const fw::Window& window) {
  const QMainWindow& frame = *window.widget();
  const QWidget& content = *window.content();
  const Qt::WindowFlags flags = frame.windowFlags();
  const QWidget* bar = frame.menuWidget();
  return {.title = frame.windowTitle().trimmed().toStdString(),  // as the title bar shows it
          .size = content.size(),
          .fixedSize = content.minimumSize() == content.maximumSize(),
          .frame = FrameName(frame.windowType()),
          .closeBox = flags.testFlag(Qt::WindowCloseButtonHint),
          .minimiseBox = flags.testFlag(Qt::WindowMinimizeButtonHint),
          .maximiseBox = flags.testFlag(Qt::WindowMaximizeButtonHint),
          .background = content.autoFillBackground()
                            ? std::optional<QColor>(content.palette().color(QPalette::Window))
                            : std::nullopt,
          .menuBarShown = bar && bar->isVisibleTo(&frame),
          .visible = frame.isVisible()};
}

// Every control that shows something, in creation order, against the table.
inline void ExpectControls(const fw::Window& window, const std::vector<Control>& table) {
  std::vector<Control> built;
  for (const auto& control : window.controls())
    if (control->widget()) built.push_back(ReadControl(*control));  // a timer shows nothing
  ASSERT_EQ(built.size(), table.size());
  for (size_t i = 0; i < table.size(); ++i) {
    Control want = table[i];
    if (want.anyLine) {
      const std::string& text = built[i].text.value_or("");
      EXPECT_FALSE(text.empty()) << want.name;
      EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos) << want.name;
      want.text = built[i].text;
      want.anyLine = false;
    }
    EXPECT_EQ(built[i], want);
  }
}

}  // namespace layout_facts
