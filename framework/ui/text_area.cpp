#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>

#include "framework/base/exception_hook.h"
#include "framework/ui/controls.h"
#include "framework/ui/internal.h"
#include "framework/ui/printing.h"
#include "framework/ui/window.h"

namespace fw {
namespace {

// Qt starts a paragraph at CR and again at LF: every ending becomes one LF.
QString ToEditorText(std::string_view text) {
  QString q = ToQt(text);
  q.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  q.replace('\r', '\n');
  return q;
}

std::string FromEditorText(QString text) {
  text.replace(QChar::LineSeparator, '\n');
  text.replace(QChar::ParagraphSeparator, '\n');
  text.replace(QLatin1String("\n"), QLatin1String("\r\n"));
  return FromQt(text);
}

// Character (code point) positions of the API against UTF-16 positions of Qt.
Integer CharactersBefore(const QString& text, int qtPosition) {
  return static_cast<Integer>(text.left(qtPosition).toUcs4().size());
}

int QtPosition(const QString& text, Integer characters) {
  int position = 0;
  for (Integer n = 0; n < characters && position < text.size(); ++n)
    position += text.at(position).isHighSurrogate() && position + 1 < text.size() ? 2 : 1;
  return position;
}

bool InsertsText(const QString& text) {
  if (text.isEmpty()) return false;
  const QChar c = text.at(0);
  return c == QChar(13) || c == QChar(10) || (c.unicode() >= 32 && c.unicode() != 127);
}

}  // namespace

struct TextArea::Impl : QTextEdit {
  Impl(TextArea& owner, QWidget* parent) : QTextEdit(parent), owner(owner) {
    setAcceptRichText(false);
    setTabChangesFocus(true);
  }

  TextArea& owner;
  TextAreaLayout layout;
  KeyDownHandler keyDown;

  // The room left under the character limit for text replacing the selection.
  qsizetype Room() const {
    if (layout.MaximumCharactersAllowed <= 0) return std::numeric_limits<qsizetype>::max();
    const qsizetype used = toPlainText().size() - textCursor().selectedText().size();
    return std::max<qsizetype>(0, layout.MaximumCharactersAllowed - used);
  }

  // A mask of "#" takes digits only.
  bool MaskRefuses(const QString& text) const {
    if (layout.ValidationMask.empty() || text.isEmpty()) return false;
    if (layout.ValidationMask.find_first_not_of('#') != std::string::npos) return false;
    for (QChar c : text)
      if (!c.isDigit()) return true;
    return false;
  }

  // With HideSelection the selection is drawn in the background colours while
  // the area has no focus, so it stays (a bold title's, say) but is not seen.
  void ShowSelection(bool shown) {
    QPalette p = palette();
    const QPalette standard = QApplication::palette(this);
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
      p.setColor(group, QPalette::Highlight,
                 shown ? standard.color(group, QPalette::Highlight) : p.color(group, QPalette::Base));
      p.setColor(group, QPalette::HighlightedText,
                 shown ? standard.color(group, QPalette::HighlightedText) : p.color(group, QPalette::Text));
    }
    setPalette(p);
  }
  void focusInEvent(QFocusEvent* event) override {
    if (layout.HideSelection) ShowSelection(true);
    QTextEdit::focusInEvent(event);
  }
  void focusOutEvent(QFocusEvent* event) override {
    if (layout.HideSelection) ShowSelection(false);
    QTextEdit::focusOutEvent(event);
  }

  bool event(QEvent* event) override {
    // The key filter sees Tab too, before Qt turns it into a focus move.
    if (event->type() == QEvent::KeyPress && Refused(*static_cast<QKeyEvent*>(event))) {
      event->accept();
      return true;
    }
    return QTextEdit::event(event);
  }

  bool Refused(const QKeyEvent& key) {
    const QString text = key.text();
    if (text.isEmpty()) return false;  // caret keys move the caret unfiltered
    if (keyDown) {
      // A filter that fails lets nothing through.
      bool rejected = true;
      RunGuarded(owner.Name() + ".KeyDown", [&] { rejected = keyDown(owner, FromQt(text)); });
      if (rejected) return true;
    }
    if (!InsertsText(text) || isReadOnly()) return false;
    // A digits mask keeps line breaks out too: the field holds a number, not lines.
    return Room() < text.size() || MaskRefuses(text);
  }

  void insertFromMimeData(const QMimeData* source) override {
    if (isReadOnly() || !source->hasText()) return;
    QString text = ToEditorText(FromQt(source->text()));
    if (MaskRefuses(text)) return;
    text.truncate(std::min(text.size(), Room()));
    textCursor().insertText(text);
  }

  void contextMenuEvent(QContextMenuEvent* event) override {
    std::unique_ptr<QMenu> menu(createStandardContextMenu(event->pos()));
    AppendCarriedMenus(*menu, owner.window());
    menu->exec(event->globalPos());
  }

  QTextCharFormat PlainFormat() const {
    QTextCharFormat format;
    format.setFont(font());
    format.setForeground(ToQColor(layout.TextColor));
    return format;
  }
};

TextArea::TextArea(Window& window, std::string name)
    : Control(window, std::move(name)), impl_(nullptr) {
  // The editor is a child of the window's content, which deletes it.
  impl_.reset(new Impl(*this, window.content()));
}

TextArea::~TextArea() { (void)impl_.release(); }

void TextArea::SetProperties(const TextAreaLayout& layout) {
  Impl& e = *impl_;
  e.layout = layout;
  Place(layout.Left, layout.Top, layout.Width, layout.Height, layout.Visible, layout.Enabled);
  e.setFont(MakeFont(layout.FontName, layout.FontSize, layout.Bold));
  e.document()->setDefaultFont(e.font());
  QTextOption option = e.document()->defaultTextOption();
  option.setAlignment(HorizontalAlignment(layout.TextAlignment));
  e.document()->setDefaultTextOption(option);
  QPalette palette = e.palette();
  palette.setColor(QPalette::Text, ToQColor(layout.TextColor));
  palette.setColor(QPalette::Base, ToQColor(layout.BackgroundColor));
  e.setPalette(palette);
  e.ShowSelection(!layout.HideSelection || e.hasFocus());
  e.setFrameShape(layout.HasBorder ? QFrame::StyledPanel : QFrame::NoFrame);
  e.setVerticalScrollBarPolicy(layout.HasVerticalScrollbar ? Qt::ScrollBarAlwaysOn
                                                           : Qt::ScrollBarAlwaysOff);
  e.setHorizontalScrollBarPolicy(layout.HasHorizontalScrollbar ? Qt::ScrollBarAsNeeded
                                                               : Qt::ScrollBarAlwaysOff);
  e.setLineWrapMode(layout.HasHorizontalScrollbar ? QTextEdit::NoWrap : QTextEdit::WidgetWidth);
  SetReadOnly(layout.ReadOnly);
  e.setPlainText(ToEditorText(layout.Text));  // the initial text is no edit to undo
}

void TextArea::OnKeyDown(KeyDownHandler handler) { impl_->keyDown = std::move(handler); }

std::string TextArea::Text() const { return FromEditorText(impl_->toPlainText()); }

void TextArea::SetText(std::string_view text) {
  Impl& e = *impl_;
  QString q = ToEditorText(text);
  if (e.layout.MaximumCharactersAllowed > 0) q.truncate(e.layout.MaximumCharactersAllowed);
  // One edit block, so that Undo brings the replaced text back.
  QTextCursor cursor(e.document());
  cursor.beginEditBlock();
  cursor.select(QTextCursor::Document);
  cursor.insertText(q, e.PlainFormat());
  cursor.endEditBlock();
  QTextCursor start(e.document());
  e.setTextCursor(start);
}

Integer TextArea::SelStart() const {
  return CharactersBefore(impl_->toPlainText(), impl_->textCursor().selectionStart());
}

void TextArea::SetSelStart(Integer start) {
  QTextCursor cursor = impl_->textCursor();
  cursor.setPosition(QtPosition(impl_->toPlainText(), std::max<Integer>(0, start)));
  impl_->setTextCursor(cursor);
}

Integer TextArea::SelLength() const {
  const QTextCursor cursor = impl_->textCursor();
  const QString text = impl_->toPlainText();
  return CharactersBefore(text, cursor.selectionEnd()) -
         CharactersBefore(text, cursor.selectionStart());
}

void TextArea::SetSelLength(Integer length) {
  const QString text = impl_->toPlainText();
  QTextCursor cursor = impl_->textCursor();
  const int start = cursor.selectionStart();
  const Integer end = CharactersBefore(text, start) + std::max<Integer>(0, length);
  cursor.setPosition(start);
  cursor.setPosition(QtPosition(text, end), QTextCursor::KeepAnchor);
  impl_->setTextCursor(cursor);
}

std::string TextArea::SelText() const {
  return FromEditorText(impl_->textCursor().selection().toPlainText());
}

bool TextArea::SelBold() const {
  return impl_->textCursor().charFormat().fontWeight() >= QFont::Bold;
}

void TextArea::SetSelBold(bool bold) {
  if (!impl_->layout.AllowStyledText) return;
  QTextCharFormat format;
  format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
  impl_->textCursor().mergeCharFormat(format);
}

bool TextArea::ReadOnly() const { return impl_->isReadOnly(); }

void TextArea::SetReadOnly(bool readOnly) {
  impl_->setReadOnly(readOnly);
  impl_->layout.ReadOnly = readOnly;
  // A read-only text still takes the caret keys and selection.
  if (readOnly)
    impl_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

Integer TextArea::MaximumCharactersAllowed() const { return impl_->layout.MaximumCharactersAllowed; }
void TextArea::SetFocus() { impl_->setFocus(Qt::OtherFocusReason); }
bool TextArea::HasFocus() const { return impl_->hasFocus(); }

bool TextArea::CanUndo() const { return !ReadOnly() && impl_->document()->isUndoAvailable(); }
bool TextArea::CanCut() const { return !ReadOnly() && impl_->textCursor().hasSelection(); }
bool TextArea::CanCopy() const { return impl_->textCursor().hasSelection(); }
bool TextArea::CanPaste() const { return !ReadOnly() && impl_->canPaste(); }
bool TextArea::CanClear() const { return CanCut(); }
void TextArea::Undo() { impl_->undo(); }
void TextArea::Cut() { impl_->cut(); }
void TextArea::Copy() { impl_->copy(); }
void TextArea::Paste() { impl_->paste(); }
void TextArea::Clear() {
  if (!impl_->isReadOnly()) impl_->textCursor().removeSelectedText();
}

std::unique_ptr<fw::StyledTextPrinter> TextArea::StyledTextPrinter(PageSurface& page,
                                                                   double width) const {
  return std::make_unique<fw::StyledTextPrinter>(*impl_->document(), page, width);
}

QWidget* TextArea::widget() const { return impl_.get(); }
QTextEdit* TextArea::editor() const { return impl_.get(); }

TextArea* FocusedTextArea(const Window* window) {
  if (!window) return nullptr;
  auto* editor = dynamic_cast<TextArea::Impl*>(window->widget()->focusWidget());
  return editor ? &editor->owner : nullptr;
}

}  // namespace fw
