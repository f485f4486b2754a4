#include "framework/ui/controls.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include "framework/base/exception_hook.h"
#include "framework/graphics/graphics.h"
#include "framework/ui/internal.h"
#include "framework/ui/window.h"

namespace fw {
namespace {

}  // namespace

Control::Control(Window& window, std::string name) : window_(window), name_(std::move(name)) {}
Control::~Control() = default;

Integer Control::Left() const { return widget() ? widget()->x() : 0; }
Integer Control::Top() const { return widget() ? widget()->y() : 0; }
Integer Control::Width() const { return widget() ? widget()->width() : 0; }
Integer Control::Height() const { return widget() ? widget()->height() : 0; }

void Control::Place(Integer left, Integer top, Integer width, Integer height, bool visible,
                    bool enabled) {
  QWidget* w = widget();
  w->setGeometry(ToInt(left), ToInt(top), ToInt(width), ToInt(height));
  w->setVisible(visible);
  w->setEnabled(enabled);
}

// ---- PushButton

PushButton::PushButton(Window& window, std::string name)
    : Control(window, std::move(name)), button_(new QPushButton(window.content())) {
  button_->setAutoDefault(false);
  QObject::connect(button_, &QPushButton::clicked, button_, [this] {
    if (action_) RunGuarded(Name() + ".Action", [this] { action_(*this); });
  });
}

PushButton::~PushButton() = default;

void PushButton::SetProperties(const PushButtonLayout& layout) {
  Place(layout.Left, layout.Top, layout.Width, layout.Height, layout.Visible, layout.Enabled);
  button_->setText(ToQt(layout.Caption));
  button_->setFont(MakeFont(layout.FontName, layout.FontSize, layout.Bold));
  button_->setDefault(layout.Default);
}

void PushButton::OnAction(ActionHandler handler) { action_ = std::move(handler); }
std::string PushButton::Caption() const { return FromQt(button_->text()); }
void PushButton::Push() { button_->click(); }
QWidget* PushButton::widget() const { return button_; }

// ---- Label

Label::Label(Window& window, std::string name)
    : Control(window, std::move(name)), label_(new QLabel(window.content())) {
  label_->setTextFormat(Qt::PlainText);
}

Label::~Label() = default;

void Label::SetProperties(const LabelLayout& layout) {
  Place(layout.Left, layout.Top, layout.Width, layout.Height, layout.Visible, layout.Enabled);
  label_->setText(ToQt(layout.Text));
  label_->setFont(MakeFont(layout.FontName, layout.FontSize, layout.Bold));
  label_->setAlignment(HorizontalAlignment(layout.TextAlignment) | Qt::AlignTop);
  QPalette palette = label_->palette();
  palette.setColor(QPalette::WindowText, ToQColor(layout.TextColor));
  label_->setPalette(palette);
  label_->setAutoFillBackground(!layout.Transparent);
}

std::string Label::Text() const { return FromQt(label_->text()); }
void Label::SetText(std::string_view text) { label_->setText(ToQt(text)); }
QWidget* Label::widget() const { return label_; }

// ---- Canvas

struct Canvas::View : QWidget {
  View(Canvas& owner, QWidget* parent) : QWidget(parent), owner(owner) {}

  void paintEvent(QPaintEvent*) override {
    if (!owner.backdrop_) return;
    QPainter painter(this);
    painter.drawImage(0, 0, owner.backdrop_->Image());
  }

  void mousePressEvent(QMouseEvent* event) override {
    // Without a handler the click belongs to the window.
    if (!mouseDown) return event->ignore();
    const QPoint at = event->position().toPoint();
    RunGuarded(owner.Name() + ".MouseDown", [&] { return mouseDown(owner, at.x(), at.y()); });
    event->accept();
  }

  Canvas& owner;
  MouseDownHandler mouseDown;
};

Canvas::Canvas(Window& window, std::string name)
    : Control(window, std::move(name)), view_(new View(*this, window.content())) {
  view_->setFocusPolicy(Qt::NoFocus);
}

Canvas::~Canvas() = default;

void Canvas::SetProperties(const CanvasLayout& layout) {
  Place(layout.Left, layout.Top, layout.Width, layout.Height, layout.Visible, layout.Enabled);
  view_->setAutoFillBackground(!layout.Transparent);
}

void Canvas::SetBackdrop(std::shared_ptr<Picture> picture) {
  backdrop_ = std::move(picture);
  view_->update();
}

const std::shared_ptr<Picture>& Canvas::Backdrop() const { return backdrop_; }
void Canvas::OnOpen(OpenHandler handler) { open_ = std::move(handler); }
void Canvas::OnMouseDown(MouseDownHandler handler) { view_->mouseDown = std::move(handler); }

void Canvas::RaiseOpen() {
  if (open_) RunGuarded(Name() + ".Open", [this] { open_(*this); });
}

QWidget* Canvas::widget() const { return view_; }

// ---- Rectangle

struct Rectangle::View : QWidget {
  View(Rectangle& owner, QWidget* parent) : QWidget(parent), owner(owner) {}

  void paintEvent(QPaintEvent*) override {
    const RectangleLayout& l = owner.layout_;
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(l.FillColor));
    const int border = ToInt(l.BorderWidth);
    if (border <= 0) return;
    const int w = width(), h = height();
    painter.fillRect(0, 0, w, border, ToQColor(l.TopLeftColor));
    painter.fillRect(0, 0, border, h, ToQColor(l.TopLeftColor));
    painter.fillRect(0, h - border, w, border, ToQColor(l.BottomRightColor));
    painter.fillRect(w - border, 0, border, h, ToQColor(l.BottomRightColor));
  }

  Rectangle& owner;
};

Rectangle::Rectangle(Window& window, std::string name)
    : Control(window, std::move(name)), view_(new View(*this, window.content())) {}

Rectangle::~Rectangle() = default;

void Rectangle::SetProperties(const RectangleLayout& layout) {
  layout_ = layout;
  Place(layout.Left, layout.Top, layout.Width, layout.Height, layout.Visible, true);
  view_->update();
}

QWidget* Rectangle::widget() const { return view_; }

// ---- Timer

Timer::Timer(Window& window, std::string name)
    : Control(window, std::move(name)), timer_(new QTimer(window.content())) {
  // Coarse timers may fire 5 % early at periods of seconds.
  timer_->setTimerType(Qt::PreciseTimer);
  QObject::connect(timer_, &QTimer::timeout, timer_, [this] {
    if (layout_.RunMode == TimerMode::Single) layout_.RunMode = TimerMode::Off;
    if (action_) RunGuarded(Name() + ".Action", [this] { action_(*this); });
  });
}

Timer::~Timer() = default;

void Timer::SetProperties(const TimerLayout& layout) {
  layout_ = layout;
  timer_->stop();
  if (layout.RunMode == TimerMode::Off || layout.Period < 0) return;
  timer_->setSingleShot(layout.RunMode == TimerMode::Single);
  timer_->start(ToInt(layout.Period));
}

void Timer::OnAction(ActionHandler handler) { action_ = std::move(handler); }
bool Timer::IsRunning() const { return timer_->isActive(); }

}  // namespace fw
