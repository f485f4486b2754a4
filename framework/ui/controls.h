// The controls a window places on itself, each from a property block that
// reads like the window's layout table, with its events bound to handlers:
//
//   auto& field = AddControl(nVarsFld_, "NVarsFld");
//   field.SetProperties({.Left = 224, .Top = 150, .Width = 50, .Height = 20,
//                        .FontName = "System", .FontSize = 11,
//                        .TextAlignment = fw::Alignment::Center,
//                        .HasVerticalScrollbar = false, .MaximumCharactersAllowed = 2,
//                        .ValidationMask = "##"});
//   field.OnKeyDown([this](fw::TextArea& area, const std::string& key) {
//     return NVarsFld_KeyDown(area, key);
//   });
//
// Designated initialisers must follow the order of the fields below. Fonts
// are named by family ("System" is the platform's font, "Courier" and
// "Times" are resolved by fontconfig) and sized in pixels: a point of the
// layouts is one logical pixel. FontSize 0 is the framework's default size.
// Every handler runs under the exception hook.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "framework/graphics/color.h"
#include "framework/text/text.h"

class QWidget;
class QTextEdit;
class QPushButton;
class QLabel;
class QTimer;

namespace fw {

class Window;
class Picture;
class PageSurface;
class StyledTextPrinter;

class Control {
 public:
  Control(Window& window, std::string name);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  Window& window() const { return window_; }
  // The Qt widget; null for controls that show nothing (Timer).
  virtual QWidget* widget() const = 0;

  Integer Left() const;
  Integer Top() const;
  Integer Width() const;
  Integer Height() const;

  // Raised once after the window's controls exist, in creation order.
  virtual void RaiseOpen() {}

 protected:
  void Place(Integer left, Integer top, Integer width, Integer height, bool visible,
             bool enabled);

 private:
  Window& window_;
  std::string name_;
};

// Horizontal text alignment, by its layout code; the default is left.
enum class Alignment : Integer { Default = 0, Left = 1, Center = 2, Right = 3 };

struct TextAreaLayout {
  Integer Left = 0, Top = 0, Width = 100, Height = 100;
  std::string Text = "";
  std::string FontName = "System";
  Integer FontSize = 0;
  bool Bold = false;
  Alignment TextAlignment = Alignment::Default;
  Color TextColor = RGB(0, 0, 0);
  Color BackgroundColor = RGB(255, 255, 255);
  bool HasBorder = true;
  bool Multiline = true;
  bool HasVerticalScrollbar = true;
  bool HasHorizontalScrollbar = false;
  bool AllowStyledText = false;
  bool ReadOnly = false;
  Integer MaximumCharactersAllowed = 0;  // 0: no limit
  std::string ValidationMask = "";            // "#" positions take digits only
  bool HideSelection = true;                  // no selection shown while unfocused
  bool Enabled = true;
  bool Visible = true;
};

// A multi-line text area. Text goes in and out as UTF-8 with CR LF line
// endings (CR, LF and CR LF all read as one line break). A typed key that
// produces a character goes first to the KeyDown handler, which rejects it by
// returning true; keys without a character (arrows, Home, End, page keys) move
// the caret without reaching it, menu shortcuts act before it, and pasted text
// is not filtered. SetText is one undoable edit.
class TextArea : public Control {
 public:
  using KeyDownHandler = std::function<bool(TextArea&, const std::string& key)>;

  TextArea(Window& window, std::string name);
  ~TextArea() override;

  void SetProperties(const TextAreaLayout& layout);
  void OnKeyDown(KeyDownHandler handler);

  std::string Text() const;
  void SetText(std::string_view text);
  Integer SelStart() const;
  void SetSelStart(Integer start);
  Integer SelLength() const;
  void SetSelLength(Integer length);
  std::string SelText() const;
  bool SelBold() const;
  void SetSelBold(bool bold);
  bool ReadOnly() const;
  void SetReadOnly(bool readOnly);
  Integer MaximumCharactersAllowed() const;
  void SetFocus();
  bool HasFocus() const;

  // What the Edit menu can do here and doing it.
  bool CanUndo() const;
  bool CanCut() const;
  bool CanCopy() const;
  bool CanPaste() const;
  bool CanClear() const;
  void Undo();
  void Cut();
  void Copy();
  void Paste();
  void Clear();

  // A printer of this text (styles kept) in blocks of that width on the page.
  std::unique_ptr<fw::StyledTextPrinter> StyledTextPrinter(PageSurface& page, double width) const;

  QWidget* widget() const override;
  QTextEdit* editor() const;

  struct Impl;

 private:
  std::unique_ptr<Impl> impl_;
};

struct PushButtonLayout {
  Integer Left = 0, Top = 0, Width = 80, Height = 30;
  std::string Caption = "";
  std::string FontName = "System";
  Integer FontSize = 0;
  bool Bold = false;
  bool Default = false;
  bool Cancel = false;
  bool Enabled = true;
  bool Visible = true;
};

class PushButton : public Control {
 public:
  using ActionHandler = std::function<void(PushButton&)>;

  PushButton(Window& window, std::string name);
  ~PushButton() override;

  void SetProperties(const PushButtonLayout& layout);
  void OnAction(ActionHandler handler);
  std::string Caption() const;
  // Presses the button as a click does.
  void Push();

  QWidget* widget() const override;

 private:
  QPushButton* button_;
  ActionHandler action_;
};

struct LabelLayout {
  Integer Left = 0, Top = 0, Width = 100, Height = 20;
  std::string Text = "";
  std::string FontName = "System";
  Integer FontSize = 0;
  bool Bold = false;
  Alignment TextAlignment = Alignment::Default;
  Color TextColor = RGB(0, 0, 0);
  bool Transparent = false;
  bool Enabled = true;
  bool Visible = true;
};

class Label : public Control {
 public:
  Label(Window& window, std::string name);
  ~Label() override;

  void SetProperties(const LabelLayout& layout);
  std::string Text() const;
  void SetText(std::string_view text);

  QWidget* widget() const override;

 private:
  QLabel* label_;
};

struct CanvasLayout {
  Integer Left = 0, Top = 0, Width = 100, Height = 100;
  bool Transparent = true;
  bool Enabled = true;
  bool Visible = true;
};

// Shows its backdrop picture at its top left, unscaled; raises Open when the
// window opens and MouseDown (x, y within the canvas) on a click.
class Canvas : public Control {
 public:
  using OpenHandler = std::function<void(Canvas&)>;
  using MouseDownHandler = std::function<bool(Canvas&, Integer x, Integer y)>;

  Canvas(Window& window, std::string name);
  ~Canvas() override;

  void SetProperties(const CanvasLayout& layout);
  void SetBackdrop(std::shared_ptr<Picture> picture);
  const std::shared_ptr<Picture>& Backdrop() const;
  void OnOpen(OpenHandler handler);
  void OnMouseDown(MouseDownHandler handler);

  void RaiseOpen() override;
  QWidget* widget() const override;

  struct View;

 private:
  View* view_;
  std::shared_ptr<Picture> backdrop_;
  OpenHandler open_;
};

struct RectangleLayout {
  Integer Left = 0, Top = 0, Width = 100, Height = 100;
  Color FillColor = RGB(255, 255, 255);
  Integer BorderWidth = 1;
  Color TopLeftColor = RGB(0, 0, 0);
  Color BottomRightColor = RGB(0, 0, 0);
  bool Visible = true;
};

// A filled rectangle with a border: top and left edges in TopLeftColor,
// bottom and right edges in BottomRightColor.
class Rectangle : public Control {
 public:
  Rectangle(Window& window, std::string name);
  ~Rectangle() override;

  void SetProperties(const RectangleLayout& layout);
  const RectangleLayout& properties() const { return layout_; }

  QWidget* widget() const override;

  struct View;

 private:
  View* view_;
  RectangleLayout layout_;
};

// By its layout code: off, firing once, or firing every period.
enum class TimerMode : Integer { Off = 0, Single = 1, Multiple = 2 };

struct TimerLayout {
  Integer Period = 1000;  // milliseconds
  TimerMode RunMode = TimerMode::Off;
};

// A precise timer owned by its window; setting the properties (re)starts it.
class Timer : public Control {
 public:
  using ActionHandler = std::function<void(Timer&)>;

  Timer(Window& window, std::string name);
  ~Timer() override;

  void SetProperties(const TimerLayout& layout);
  void OnAction(ActionHandler handler);
  Integer Period() const { return layout_.Period; }
  TimerMode RunMode() const { return layout_.RunMode; }
  bool IsRunning() const;

  QWidget* widget() const override { return nullptr; }
  QTimer* timer() const { return timer_; }

 private:
  QTimer* timer_;
  TimerLayout layout_;
  ActionHandler action_;
};

}  // namespace fw
