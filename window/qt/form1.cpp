// The main window's controls, placed in twips as designed, and their binding to the game logic.
#include "window/qt/form1.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <cstdio>

#include "window/qt/access.h"
#include "window/qt/layout.h"
#include "window/qt/translations.h"
#include "window/qt/windowmanager.h"

namespace kaldora {

namespace {

// The player sees the list as ranked; the one line says that it is not kept.
void ReportUnsaved(const StoreOutcome& outcome) {
  if (!outcome.stored)
    std::fprintf(stderr, "kaldora: the highscore list could not be saved: %s\n",
                 outcome.why.c_str());
}

}  // namespace

Form1::Form1(Random& random, SoundOutput& sound, QWidget* parent)
    : QWidget(parent),
      drag_(this, [this](int target, int source) { Play(target, source); }),
      squares_(this, drag_),
      main_view_(this),
      timer_([this] { game_.tmrTimer_Timer(); }),
      small_windows_(
          this,
          {.list_go_on = [this] { game_.highscore().Form2_cmdWeiter_Click(); },
           .entry_go_on = [this] { Stored(game_.highscore().Form3_cmdWeiter_Click()); },
           // The end of a game is told before the name entry takes the screen reader's attention.
           .entry_showing = [this] { TellNews(); },
           .reset_yes = [this] { Stored(game_.highscore().cmdJa_Click()); },
           .reset_no = [this] { game_.highscore().cmdNein_Click(); }}),
      game_(Ports{squares_, main_view_, sound, timer_, picCanvas_, pump_, news_,
                  HighscorePorts{.list = small_windows_,
                                 .entry = small_windows_,
                                 .reset = small_windows_,
                                 .clock = date_clock_,
                                 .waiting = [this] { pump_.DoEvents(); }}},
            random) {
  InstallAccessibility();
  // The game's name, the same in every language, rather than a window manager's placeholder.
  setWindowTitle(QStringLiteral("KALDORA"));
  setFixedSize(800, 600);
  setFont(DesignFont());
  SetColours(this, QColor(0, 128, 0), QColor(192, 255, 192));

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
  board_keys_ = new BoardKeys(this, squares_.squares(), game_.board(),
                              [this](int target, int source) { Play(target, source); });
  auto* symbols = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_K), this);
  symbols->setContext(Qt::WindowShortcut);
  connect(symbols, &QShortcut::activated, this,
          [this] { board_keys_->SetSymbols(!board_keys_->symbols()); });

  // Hidden while a game runs or after it ended, "&Start" would leave its key unanswered.
  auto* start_hidden = new QShortcut(QKeySequence::mnemonic(cmdSpielStarten_->text()), this);
  start_hidden->setEnabled(false);
  connect(start_hidden, &QShortcut::activated, this, [this] { news_bar_->Announce(WhyNoStart()); });

  drag_.Bind(game_.board(), squares_, *board_keys_);
  squares_.Watch(game_.board(), *board_keys_);
  news_.SetKeys(board_keys_);
  panels_ = new TextPanels(this, drag_.image(), [this](Panel clicked) {
    clicked == Panel::Rules ? game_.txtSpielregeln_Click() : game_.txtInformation_Click();
  });
  news_bar_ = new NewsBar(this);
  main_view_.Bind({.title = lblKaldora_,
                   .score = lblPunkte_,
                   .canvas = &picCanvas_,
                   .start = cmdSpielStarten_,
                   .start_hidden = start_hidden,
                   .sound = cmdTonEinschaltenAusschalten_,
                   .keys = board_keys_,
                   .panels = panels_,
                   .news = news_bar_});

  board_keys_->SetSpeaker([this](const QString& text) { news_bar_->Announce(text); });
  news_.SetBoard(game_.board());
  WatchShownChildren(this);

  game_.Form_Load();
}

// The moves of the mouse and the keys wait while a move runs, those of an assistive technology
// arrive through the accessibility bus while the tree lets events run, and are refused.
void Form1::Play(int target, int source) {
  if (playing_)
    return;
  playing_ = true;
  news_.Begin();
  game_.picP_DragDrop(target, source);
  playing_ = false;
  TellNews();
}

bool Form1::GameRunning() const {
  return !cmdSpielStarten_->isVisible() && game_.board().AnyEnabled();
}

QString Form1::WhyNoStart() const {
  if (GameRunning())
    return tr("A game is running; Pause abandons it and brings Start back.");
  return BoardKeys::tr("The game is over.") + QLatin1Char(' ') + GameOverHint();
}

void Form1::TellNews() {
  const QString text = news_.Take();
  if (!text.isEmpty())
    news_bar_->Announce(text);
}

QPushButton* Form1::AddButton(const char* caption, int left, int top, int width, int height,
                              void (Game::*click)()) {
  auto* button = new QPushButton(Translated("Form1", caption), this);
  button->setGeometry(Twips(left, top, width, height));
  // An assistive technology's press can arrive while a move lets events run, where a mouse click
  // would wait; it is refused like a second drop.
  connect(button, &QPushButton::clicked, this, [this, click] {
    if (playing_)
      return;
    const bool told_here = !news_.active();
    if (told_here)
      news_.Begin();
    // "&Pause" abandons what "&Start" began; the score it drops is worth saying.
    const bool abandons = click == &Game::cmdSpielAbbrechen_Click && GameRunning();
    const std::int16_t score = game_.state().Punkte;
    (game_.*click)();
    if (told_here)
      TellNews();
    if (abandons)
      news_bar_->Announce(tr("Game abandoned, score %1.").arg(score));
  });
  return button;
}

void Form1::StoreOpenEntry(std::function<void()> end) {
  if (game_.highscore().Storing()) {
    end_after_store_ = std::move(end);
    return;
  }
  if (small_windows_.EntryOpen())
    ReportUnsaved(game_.highscore().Form3_cmdWeiter_Click());
  end();
}

void Form1::Stored(const StoreOutcome& outcome) {
  ReportUnsaved(outcome);
  if (end_after_store_)
    std::exchange(end_after_store_, nullptr)();
}

void Form1::showEvent(QShowEvent* event) {
  if (main_view_.TakeCentring())
    CentreOnScreen(this);
  QWidget::showEvent(event);
}

void Form1::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  main_view_.PaintLines(painter);
}

void Form1::closeEvent(QCloseEvent* event) {
  event->accept();
  game_.cmdProgrammBeenden_Click();
}

}  // namespace kaldora
