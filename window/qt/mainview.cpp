// The main window's own controls, changed as the logic asks.
#include "window/qt/mainview.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include "board/qt/boardkeys.h"
#include "board/qt/boardnews.h"
#include "tree/qt/canvasbox.h"
#include "window/qt/layout.h"
#include "window/qt/textpanels.h"
#include "window/qt/translations.h"
#include "window/qt/windowmanager.h"

namespace kaldora {

namespace {

QColor ToQColor(Rgb c) {
  return QColor(c.r, c.g, c.b);
}

void SetColour(QWidget* widget, QPalette::ColorRole role, QColor colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, colour);
  widget->setPalette(palette);
}

}  // namespace

void MainView::PaintLines(QPainter& painter) const {
  for (const DrawnLine& l : drawn_) {
    if (l.x1 == l.x2 && l.y1 == l.y2)
      continue;  // nothing but its end point
    // Filled as a rectangle one pixel wide, so that it covers whole device pixels at any scale.
    const QRect line = QRect(QPoint(l.x1, l.y1), QPoint(l.x2, l.y2)).normalized();
    const bool across = l.y1 == l.y2;
    const QRect without_end = across
                                  ? line.adjusted(l.x2 < l.x1 ? 1 : 0, 0, l.x2 > l.x1 ? -1 : 0, 0)
                                  : line.adjusted(0, l.y2 < l.y1 ? 1 : 0, 0, l.y2 > l.y1 ? -1 : 0);
    painter.fillRect(without_end, l.colour);
  }
}

bool MainView::TakeCentring() {
  const bool centre = centre_when_shown_;
  centre_when_shown_ = false;
  return centre;
}

void MainView::SetBackColor(Rgb colour) {
  SetColour(window_, QPalette::Window, ToQColor(colour));
  drawn_.clear();
  window_->update();
}

void MainView::DrawLine(int x1, int y1, int x2, int y2, Rgb colour) {
  drawn_.push_back({x1, y1, x2, y2, ToQColor(colour)});
  window_->update();
}

void MainView::SetScoreText(std::string_view text) {
  const QString before = c_.score->text();
  const QString after = ToQString(text);
  c_.score->setText(after);
  QAccessibleTextUpdateEvent changed(c_.score, 0, before, after);
  QAccessible::updateAccessibility(&changed);
}

void MainView::SetTitleForeColor(Rgb colour) {
  SetColour(c_.title, QPalette::WindowText, ToQColor(colour));
}

void MainView::SetTitleBackColor(Rgb colour) {
  SetColour(c_.title, QPalette::Window, ToQColor(colour));
}

void MainView::SetCanvasBackColor(Rgb colour) {
  c_.canvas->SetBackColor(ToQColor(colour));
}

// Again when the window shows, once the window manager can tell the frame it will add.
void MainView::CentreOnScreen() {
  kaldora::CentreOnScreen(window_);
  centre_when_shown_ = true;
}

// The keyboard would fall to "&Pause" and abandon the game at the next Space; the board is where
// the game goes on.
void MainView::SetStartVisible(bool visible) {
  const bool had_focus = c_.start->hasFocus();
  c_.start->setVisible(visible);
  c_.start_hidden->setEnabled(!visible);
  if (!visible && had_focus)
    c_.keys->setFocus(Qt::OtherFocusReason);
}

void MainView::FocusStart() {
  c_.start->setFocus(Qt::OtherFocusReason);
}

bool MainView::PanelVisible(Panel panel) const {
  return c_.panels->Visible(panel);
}

// The keys play no square the player cannot see. A panel closed gives the keyboard back to the
// board, unless the other panel takes its place: one button hides one panel and shows the other.
void MainView::SetPanelVisible(Panel panel, bool visible) {
  const bool closing = !visible && PanelVisible(panel);
  if (visible)
    c_.panels->Show(panel);
  else if (closing)
    c_.panels->Made(panel)->hide();
  const auto no_panel = [this] {
    return !PanelVisible(Panel::Rules) && !PanelVisible(Panel::Information);
  };
  c_.keys->setEnabled(no_panel());
  if (closing && window_->isActiveWindow()) {
    QTimer::singleShot(0, c_.keys, [this, no_panel] {
      if (no_panel() && window_->isActiveWindow())
        c_.keys->setFocus(Qt::OtherFocusReason);
    });
  }
}

// The logic reads back the design's caption; the button shows it in the player's language.
std::string MainView::SoundCaption() const {
  return sound_caption_;
}

void MainView::SetSoundCaption(std::string_view caption) {
  // The two captions the logic alternates between, for Qt Linguist; the first is the button's own.
  static_cast<void>(QT_TRANSLATE_NOOP("Form1", "Sound &On"));
  static_cast<void>(QT_TRANSLATE_NOOP("Form1", "Sound O&ff"));
  sound_caption_ = caption;
  c_.sound->setText(Translated("Form1", sound_caption_.c_str()));
  // The caption names what the next click does; the player hears what this one did.
  const bool on = caption != "Sound &On";
  c_.news->Announce(on ? QCoreApplication::translate("Form1", "Sound on.")
                       : QCoreApplication::translate("Form1", "Sound off."));
}

void MainView::EndProgram() {
  QApplication::quit();
}

}  // namespace kaldora
