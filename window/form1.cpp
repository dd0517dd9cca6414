// The main window's controls, placed in twips as designed, and their binding to the game logic.
#include "window/form1.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include "resources/pictures.h"
#include "window/layout.h"

namespace kaldora {

namespace {

QPixmap ToPixmap(const PicturePixels& pixels) {
  QImage image(kPictureSize, kPictureSize, QImage::Format_RGB888);
  for (int y = 0; y < kPictureSize; ++y) {
    for (int x = 0; x < kPictureSize; ++x) {
      const Rgb c = pixels[static_cast<std::size_t>(y * kPictureSize + x)];
      image.setPixelColor(x, y, QColor(c.r, c.g, c.b));
    }
  }
  return QPixmap::fromImage(image);
}

QColor ToQColor(Rgb c) {
  return QColor(c.r, c.g, c.b);
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

}  // namespace

Form1::Form1(Random& random, SoundOutput& sound, QWidget* parent)
    : QWidget(parent),
      game_(Ports{static_cast<SquareDisplay&>(*this), static_cast<MainWindowView&>(*this), sound},
            random) {
  setWindowTitle(QString());
  setFixedSize(800, 600);
  setFont(DesignFont());
  SetColours(this, QColor(0, 128, 0), QColor(192, 255, 192));

  for (int k = 0; k < kSources; ++k)
    pictures_[static_cast<std::size_t>(k)] = ToPixmap(DrawSourcePicture(k));

  for (int n = 0; n < kSquares; ++n) {
    auto* square = new SquareBox(n, *this, this);
    square->setGeometry(Twips(555 + 945 * (n % kColumns), 255 + 945 * (n / kColumns), 930, 930));
    picP_[static_cast<std::size_t>(n)] = square;
  }

  lblKaldora_ = new QLabel(QStringLiteral("KALDORA"), this);
  lblKaldora_->setGeometry(Twips(9330, 330, 2415, 510));
  SetColours(lblKaldora_, QColor(0, 128, 0), QColor(192, 255, 192));

  lblPunkte_ = new QLabel(this);
  lblPunkte_->setGeometry(Twips(9840, 1050, 1350, 555));
  lblPunkte_->setFont(DesignFont(24, true));
  SetColours(lblPunkte_, Qt::white, Qt::black);

  picCanvas_ = new QWidget(this);
  picCanvas_->setGeometry(Twips(9345, 1890, 2280, 2280));
  SetColours(picCanvas_, QColor(192, 255, 192), QColor(0, 128, 0));

  const auto button = [this](const char* caption, int top) {
    auto* b = new QPushButton(QString::fromUtf8(caption), this);
    b->setGeometry(Twips(9525, top, 1950, 330));
    return b;
  };
  cmdSpielStarten_ = button("&Start", 4425);
  cmdSpielAbbrechen_ = button("&Pause", 4830);
  cmdProgrammBeenden_ = button("&Exit", 8070);
  connect(cmdSpielStarten_, &QPushButton::clicked, this, [this] { game_.cmdSpielStarten_Click(); });
  connect(cmdSpielAbbrechen_, &QPushButton::clicked, this,
          [this] { game_.cmdSpielAbbrechen_Click(); });
  connect(cmdProgrammBeenden_, &QPushButton::clicked, this,
          [this] { game_.cmdProgrammBeenden_Click(); });

  txtSpielregeln_ = new QPlainTextEdit(this);
  txtSpielregeln_->setGeometry(Twips(465, 195, 8655, 8610));
  SetColours(txtSpielregeln_, Qt::white, Qt::black);
  txtSpielregeln_->hide();
  txtInformation_ = new QPlainTextEdit(this);
  txtInformation_->setGeometry(Twips(540, 210, 8550, 8550));
  SetColours(txtInformation_, QColor(192, 255, 192), Qt::black);
  txtInformation_->hide();

  drag_image_ = new QLabel(this);
  drag_image_->setAttribute(Qt::WA_TransparentForMouseEvents);
  drag_image_->resize(kPictureSize, kPictureSize);
  drag_image_->hide();

  game_.Form_Load();
}

void Form1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  ClearNativeTitle(this);
}

void Form1::ShowPicture(int n, const SourceImage* picture) {
  picP(n)->SetPicture(picture == nullptr ? nullptr : this->picture(picture->index));
}

void Form1::SetDragMode(int n, int mode) {
  picP(n)->SetDragMode(mode);
}

void Form1::SetEnabled(int n, bool enabled) {
  picP(n)->setEnabled(enabled);
}

void Form1::SetBackColor(int n, Rgb colour) {
  picP(n)->SetBackColor(ToQColor(colour));
}

void Form1::SetScoreText(std::string_view text) {
  lblPunkte_->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void Form1::SetTitleForeColor(Rgb colour) {
  QPalette palette = lblKaldora_->palette();
  palette.setColor(QPalette::WindowText, ToQColor(colour));
  lblKaldora_->setPalette(palette);
}

void Form1::SetCanvasBackColor(Rgb colour) {
  QPalette palette = picCanvas_->palette();
  palette.setColor(QPalette::Window, ToQColor(colour));
  picCanvas_->setPalette(palette);
}

void Form1::CentreOnScreen() {
  const QRect screen = this->screen()->geometry();
  move(screen.x() + (screen.width() - width()) / 2, screen.y() + (screen.height() - height()) / 2);
}

void Form1::SetStartVisible(bool visible) {
  cmdSpielStarten_->setVisible(visible);
}

void Form1::FocusStart() {
  cmdSpielStarten_->setFocus(Qt::OtherFocusReason);
}

void Form1::HideInformation() {
  txtInformation_->hide();
}

void Form1::HideRules() {
  txtSpielregeln_->hide();
}

void Form1::EndProgram() {
  QApplication::quit();
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
  const int target = SquareAt(mapFromGlobal(global));
  if (target < 0 || !picP(target)->isEnabled())
    return;
  game_.picP_DragDrop(target, source);
}

int Form1::SquareAt(QPoint local) const {
  for (const SquareBox* square : picP_) {
    if (square->geometry().contains(local))
      return square->index();
  }
  return -1;
}

}  // namespace kaldora
