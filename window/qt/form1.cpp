// The main window's controls, placed in twips as designed, and their binding to the game logic.
#include "window/qt/form1.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <cmath>
#include <cstdio>

#include "resources/pictures.h"
#include "resources/texts.h"
#include "window/qt/access.h"
#include "window/qt/layout.h"
#include "window/qt/translations.h"

namespace kaldora {

namespace {

// At a whole device pixel ratio every pixel becomes a block of device pixels, so the bevel rings
// stay sharp; at a fractional one the picture is scaled smoothly.
QPixmap ToPixmap(const PicturePixels& pixels, qreal ratio) {
  QImage image(kPictureSize, kPictureSize, QImage::Format_RGB888);
  for (int y = 0; y < kPictureSize; ++y) {
    for (int x = 0; x < kPictureSize; ++x) {
      const Rgb c = pixels[static_cast<std::size_t>(y * kPictureSize + x)];
      image.setPixelColor(x, y, QColor(c.r, c.g, c.b));
    }
  }
  const int size = qRound(kPictureSize * ratio);
  const bool whole = std::abs(ratio - std::round(ratio)) < 1e-6;
  QPixmap pixmap =
      QPixmap::fromImage(image.scaled(size, size, Qt::IgnoreAspectRatio,
                                      whole ? Qt::FastTransformation : Qt::SmoothTransformation));
  pixmap.setDevicePixelRatio(ratio);
  return pixmap;
}

QColor ToQColor(Rgb c) {
  return QColor(c.r, c.g, c.b);
}

void SetColour(QWidget* widget, QPalette::ColorRole role, QColor colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, colour);
  widget->setPalette(palette);
}

void SetColours(QWidget* widget, QColor background, QColor text) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, background);
  palette.setColor(QPalette::Base, background);
  palette.setColor(QPalette::WindowText, text);
  palette.setColor(QPalette::Text, text);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

// The player sees the list as ranked; the one line says that it is not kept.
void ReportUnsaved(const StoreOutcome& outcome) {
  if (!outcome.stored)
    std::fprintf(stderr, "kaldora: the highscore list could not be saved: %s\n",
                 outcome.why.c_str());
}

}  // namespace

Form1::Form1(Random& random, SoundOutput& sound, QWidget* parent)
    : QWidget(parent),
      small_windows_(
          this,
          {.list_go_on = [this] { game_.highscore().Form2_cmdWeiter_Click(); },
           .entry_go_on = [this] { ReportUnsaved(game_.highscore().Form3_cmdWeiter_Click()); },
           // The end of a game is told before the name entry takes the screen reader's attention.
           .entry_showing = [this] { TellNews(); },
           .reset_yes = [this] { ReportUnsaved(game_.highscore().cmdJa_Click()); },
           .reset_no = [this] { game_.highscore().cmdNein_Click(); }}),
      game_(Ports{static_cast<SquareDisplay&>(*this), static_cast<MainWindowView&>(*this), sound,
                  static_cast<GameTimer&>(*this), picCanvas_, static_cast<EventPump&>(*this),
                  HighscorePorts{small_windows_, small_windows_, small_windows_, date_clock_}},
            random) {
  InstallAccessibility();
  setWindowTitle(QString());
  // The window shows no title; a screen reader still names it.
  setAccessibleName(QStringLiteral("KALDORA"));
  setFixedSize(800, 600);
  setFont(DesignFont());
  SetColours(this, QColor(0, 128, 0), QColor(192, 255, 192));

  for (int n = 0; n < kSquares; ++n) {
    auto* square = new SquareBox(n, *this, this);
    square->setGeometry(Twips(555 + 945 * (n % kColumns), 255 + 945 * (n / kColumns), 930, 930));
    picP_[static_cast<std::size_t>(n)] = square;
  }

  lblKaldora_ = new QLabel(QStringLiteral("KALDORA"), this);
  lblKaldora_->setGeometry(Twips(9330, 330, 2415, 510));
  SetColours(lblKaldora_, QColor(0, 128, 0), QColor(192, 255, 192));

  lblPunkte_ = new QLabel(this);
  lblPunkte_->setObjectName(QStringLiteral("lblPunkte"));
  lblPunkte_->setGeometry(Twips(9840, 1050, 1350, 555));
  lblPunkte_->setFont(DesignFont(24, true));
  SetColours(lblPunkte_, Qt::white, Qt::black);

  picCanvas_.setGeometry(Twips(9345, 1890, 2280, 2280));
  HideFromScreenReaders(&picCanvas_);  // the tree means nothing to the game

  cmdSpielStarten_ = AddButton(QT_TRANSLATE_NOOP("Form1", "&Start"), 9525, 4425, 1950, 330,
                               &Game::cmdSpielStarten_Click);
  cmdSpielAbbrechen_ = AddButton(QT_TRANSLATE_NOOP("Form1", "&Pause"), 9525, 4830, 1950, 330,
                                 &Game::cmdSpielAbbrechen_Click);
  cmdTonEinschaltenAusschalten_ = AddButton(QT_TRANSLATE_NOOP("Form1", "Sound &Off"), 9525, 5235,
                                            1950, 330, &Game::cmdTonEinschaltenAusschalten_Click);
  cmdFelderGrundfarbe_ = AddButton(QT_TRANSLATE_NOOP("Form1", "&Background Color"), 9525, 5640,
                                   1950, 330, &Game::cmdFelderGrundfarbe_Click);
  cmdSpielregeln_ = AddButton(QT_TRANSLATE_NOOP("Form1", "Ho&w to Play"), 9525, 6045, 1950, 330,
                              &Game::cmdSpielregeln_Click);
  cmdInformation_ = AddButton(QT_TRANSLATE_NOOP("Form1", "&Information"), 9525, 6450, 1950, 330,
                              &Game::cmdInformation_Click);
  cmdHighscoreAnzeigen_ = AddButton(QT_TRANSLATE_NOOP("Form1", "Show &Highscore"), 9525, 6855, 1950,
                                    330, &Game::cmdHighscoreAnzeigen_Click);
  cmdHighscoreErneuern_ = AddButton(QT_TRANSLATE_NOOP("Form1", "&Reset Highscore"), 9525, 7260,
                                    1950, 330, &Game::cmdHighscoreErneuern_Click);
  cmdProgrammBeenden_ = AddButton(QT_TRANSLATE_NOOP("Form1", "&Exit"), 9525, 8070, 1950, 330,
                                  &Game::cmdProgrammBeenden_Click);
  // A new tree at the press of a button; the game never needs it, so it stays out of sight.
  cmdGo_ = AddButton("Go", 9705, 8595, 360, 360, &Game::cmdGo_Click);
  cmdGo_->hide();

  // After the buttons, so that the board comes last in the tab order.
  board_keys_ = new BoardKeys(
      this, picP_, [this](int target, int source) { Play(target, source); },
      [this](const SquareBox& square) { return SourceOf(square.picture()); });
  auto* symbols = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_K), this);
  symbols->setContext(Qt::WindowShortcut);
  connect(symbols, &QShortcut::activated, this,
          [this] { board_keys_->SetSymbols(!board_keys_->symbols()); });

  tmrTimer_.setInterval(400);
  connect(&tmrTimer_, &QTimer::timeout, this, [this] { game_.tmrTimer_Timer(); });

  drag_image_ = new QLabel(this);
  drag_image_->setAttribute(Qt::WA_TransparentForMouseEvents);
  drag_image_->resize(kPictureSize, kPictureSize);
  drag_image_->hide();
  HideFromScreenReaders(drag_image_);

  news_bar_ = new NewsBar(this);
  WatchShownChildren(this);

  game_.Form_Load();
}

const QPixmap* Form1::picture(int k) {
  QPixmap& picture = pictures_[static_cast<std::size_t>(k)];
  if (picture.isNull())
    picture = ToPixmap(DrawSourcePicture(k), devicePixelRatioF());
  return &picture;
}

int Form1::SourceOf(const QPixmap* shown) const {
  for (int k = 0; k < kSources; ++k) {
    if (shown == &pictures_[static_cast<std::size_t>(k)])
      return k;
  }
  return -1;
}

// The moves of the mouse and the keys wait while a move runs, those of an assistive technology
// arrive through the accessibility bus while the tree lets events run, and are refused.
void Form1::Play(int target, int source) {
  if (playing_)
    return;
  playing_ = true;
  news_.Begin(target, source);
  game_.picP_DragDrop(target, source);
  playing_ = false;
  TellNews();
}

void Form1::TellNews() {
  if (!news_.active())
    return;
  const Board& board = game_.board();
  const bool over = !board.HasFreeSquare() && !board[0].Enabled;
  const QString text = news_.Take(over, game_.state().Punkte);
  if (!text.isEmpty())
    news_bar_->Announce(text);
}

QPushButton* Form1::AddButton(const char* caption, int left, int top, int width, int height,
                              void (Game::*click)()) {
  auto* button = new QPushButton(Translated("Form1", caption), this);
  button->setGeometry(Twips(left, top, width, height));
  if (click != nullptr) {
    // An assistive technology's press can arrive while a move lets events run, where a mouse
    // click would wait; it is refused like a second drop.
    connect(button, &QPushButton::clicked, this, [this, click] {
      if (playing_)
        return;
      const bool told_here = !news_.active();
      if (told_here)
        news_.Begin(-1, -1);
      (game_.*click)();
      if (told_here)
        TellNews();
    });
  }
  return button;
}

// A panel is made the first time it shows: laying out its text at start-up pulled the whole set-up
// of the fonts in before the window could appear. Made later than the board, it lies above it.
QPlainTextEdit* Form1::MadePanel(Panel which) {
  QPlainTextEdit*& panel = which == Panel::Rules ? txtSpielregeln_ : txtInformation_;
  if (panel != nullptr)
    return panel;
  const bool rules = which == Panel::Rules;
  panel = new QPlainTextEdit(
      Translated("Panels", std::string(rules ? RulesText() : InformationText()).c_str()), this);
  panel->setGeometry(rules ? Twips(465, 195, 8655, 8610) : Twips(540, 210, 8550, 8550));
  panel->setReadOnly(true);
  panel->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  panel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  SetColours(panel, rules ? QColor(Qt::white) : QColor(192, 255, 192), Qt::black);
  panel->viewport()->installEventFilter(this);
  panel->hide();
  panel->stackUnder(drag_image_);
  return panel;
}

// A click on a shown panel hides it.
bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    if (txtSpielregeln_ != nullptr && watched == txtSpielregeln_->viewport())
      game_.txtSpielregeln_Click();
    if (txtInformation_ != nullptr && watched == txtInformation_->viewport())
      game_.txtInformation_Click();
  }
  return QWidget::eventFilter(watched, event);
}

void Form1::showEvent(QShowEvent* event) {
  if (centre_when_shown_) {
    centre_when_shown_ = false;
    kaldora::CentreOnScreen(this);
  }
  QWidget::showEvent(event);
  ClearNativeTitle(this);
}

// What is drawn on the window is part of its painting, so it survives every repaint until the
// background changes.
void Form1::paintEvent(QPaintEvent*) {
  QPainter painter(this);
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

// A square held by the keys goes back when the game takes it away: emptied, fixed or disabled.
void Form1::ShowPicture(int n, const SourceImage* picture) {
  news_.Picture(n, SourceOf(picP(n)->picture()), picture == nullptr ? -1 : picture->index);
  picP(n)->SetPicture(picture == nullptr ? nullptr : this->picture(picture->index));
  if (picture == nullptr)
    ReleaseHeld(n);
}

void Form1::SetDragMode(int n, int mode) {
  picP(n)->SetDragMode(mode);
  if (mode != 1)
    ReleaseHeld(n);
}

// The game enables and disables all squares at once, the last one last.
void Form1::SetEnabled(int n, bool enabled) {
  picP(n)->setEnabled(enabled);
  if (!enabled)
    ReleaseHeld(n);
  if (n == kSquares - 1 && board_keys_ != nullptr)
    TellBoardState(board_keys_);
}

void Form1::ReleaseHeld(int n) {
  if (board_keys_ != nullptr)  // the logic sets up the squares before the keys exist
    board_keys_->Release(n);
}

void Form1::SetBackColor(int n, Rgb colour) {
  picP(n)->SetBackColor(ToQColor(colour));
}

void Form1::SetBackColor(Rgb colour) {
  SetColour(this, QPalette::Window, ToQColor(colour));
  drawn_.clear();
  update();
}

void Form1::DrawLine(int x1, int y1, int x2, int y2, Rgb colour) {
  drawn_.push_back({x1, y1, x2, y2, ToQColor(colour)});
  update();
}

void Form1::SetScoreText(std::string_view text) {
  const QString before = lblPunkte_->text();
  const QString after = ToQString(text);
  news_.Score(before.toInt(), after.toInt());
  lblPunkte_->setText(after);
  QAccessibleTextUpdateEvent changed(lblPunkte_, 0, before, after);
  QAccessible::updateAccessibility(&changed);
}

std::string Form1::ScoreText() const {
  return lblPunkte_->text().toStdString();
}

void Form1::SetTitleForeColor(Rgb colour) {
  SetColour(lblKaldora_, QPalette::WindowText, ToQColor(colour));
}

void Form1::SetTitleBackColor(Rgb colour) {
  SetColour(lblKaldora_, QPalette::Window, ToQColor(colour));
}

void Form1::SetCanvasBackColor(Rgb colour) {
  picCanvas_.SetBackColor(ToQColor(colour));
}

// Again when the window shows, once the window manager can tell the frame it will add.
void Form1::CentreOnScreen() {
  kaldora::CentreOnScreen(this);
  centre_when_shown_ = true;
}

// The keyboard would fall to "&Pause" and abandon the game at the next Space; the board is where
// the game goes on.
void Form1::SetStartVisible(bool visible) {
  if (visible)
    news_.Clear();  // the board the player abandoned
  const bool had_focus = cmdSpielStarten_->hasFocus();
  cmdSpielStarten_->setVisible(visible);
  if (!visible && had_focus)
    board_keys_->setFocus(Qt::OtherFocusReason);
}

void Form1::FocusStart() {
  cmdSpielStarten_->setFocus(Qt::OtherFocusReason);
}

bool Form1::PanelVisible(Panel panel) const {
  const QPlainTextEdit* shown = panel == Panel::Rules ? txtSpielregeln_ : txtInformation_;
  return shown != nullptr && shown->isVisible();
}

// The keys play no square the player cannot see.
void Form1::SetPanelVisible(Panel panel, bool visible) {
  if (visible || PanelVisible(panel))
    MadePanel(panel)->setVisible(visible);
  board_keys_->setEnabled(!PanelVisible(Panel::Rules) && !PanelVisible(Panel::Information));
}

// The logic reads back the design's caption; the button shows it in the player's language.
std::string Form1::SoundCaption() const {
  return sound_caption_;
}

void Form1::SetSoundCaption(std::string_view caption) {
  // The two captions the logic alternates between, for Qt Linguist; the first is the button's own.
  static_cast<void>(QT_TRANSLATE_NOOP("Form1", "Sound &On"));
  static_cast<void>(QT_TRANSLATE_NOOP("Form1", "Sound O&ff"));
  sound_caption_ = caption;
  cmdTonEinschaltenAusschalten_->setText(Translated("Form1", sound_caption_.c_str()));
}

void Form1::EndProgram() {
  QApplication::quit();
}

// Enabling the running timer does not restart its interval.
void Form1::SetEnabled(bool enabled) {
  if (!enabled) {
    tmrTimer_.stop();
  } else if (!tmrTimer_.isActive()) {
    tmrTimer_.start();
  }
}

bool Form1::Enabled() const {
  return tmrTimer_.isActive();
}

// The timer's tick and the repaints run; the player's clicks, drags and keys wait until the
// running event has finished, so no move starts inside another.
void Form1::DoEvents() {
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void Form1::closeEvent(QCloseEvent* event) {
  event->accept();
  game_.cmdProgrammBeenden_Click();
}

void Form1::BeginDrag(int source, QPoint pressed_at) {
  drag_source_ = source;
  drag_offset_ = pressed_at;
  const QPixmap* shown = picP(source)->picture();
  drag_image_->setPixmap(shown != nullptr ? *shown : QPixmap());
  drag_image_->move(picP(source)->pos());
  drag_image_->setVisible(shown != nullptr);
  drag_image_->raise();
}

void Form1::MoveDrag(QPoint global) {
  if (drag_source_ >= 0)
    drag_image_->move(mapFromGlobal(global) - drag_offset_);
}

void Form1::EndDrag(QPoint global) {
  const int source = drag_source_;
  drag_source_ = -1;
  drag_image_->hide();
  if (source < 0)
    return;
  const SquareBox* target = SquareAt(global);
  if (target == nullptr || !target->isEnabled())
    return;
  Play(target->index(), source);
}

// On X11 the server knows which window lies on top at a point, another program's or one of the
// game's own small windows; on Wayland no program may know, and the main window is taken as
// uncovered there.
const SquareBox* Form1::SquareAt(QPoint global) const {
  if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")) &&
      QApplication::topLevelAt(global) != this)
    return nullptr;
  return dynamic_cast<const SquareBox*>(childAt(mapFromGlobal(global)));
}

}  // namespace kaldora
