#pragma once

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QVector3D>
#include <cmath>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>

#include "app/CanvasWidget.h"
#include "app/FaceButton.h"
#include "app/Layout.h"
#include "app/MainWindow.h"
#include "app/PatternChooser.h"
#include "app/SymmetryStrip.h"
#include "files/PictureFile.h"
#include "history/Autosaver.h"
#include "history/HistoryKeys.h"
#include "history/Recovery.h"
#include "support/FakePlatform.h"

// What must hold after every action in the window, whatever the action was, judged from the
// program's public state and from what the screen shows:
// - the screen shows the picture wherever no control covers it (guides only darken or lighten
//   it towards grey);
// - every mark, caption, face, text and accessible state of the panel and the strip agrees with
//   the program's state, and the controls show and hide together;
// - Backspace puts back the picture from before the last change;
// - only a drawing action changes the picture; "saved" means the picture is the one last saved,
//   which reads back the same, and an action that draws nothing keeps it;
// - the autosave, written after the action, holds the picture and its background colour, and a
//   slow autosave, which hands over what it copied in one sweep round the canvas while the
//   drawing goes on, holds in each tile what that tile showed at some moment.
// Undo and redo are checked by `undoRedo`, which presses the keys itself.
class Oracles {
 public:
  Oracles(MainWindow& window, FakePlatform& platform)
      : window_(window),
        k_(window.core()),
        platform_(platform),
        start_(picture()),
        saved_(start_),
        exact_(dir_.filePath("exact.png"), {0, 0, 1 << 20, 1e9}),
        sliced_(dir_.filePath("sliced.png"), {0, 0, 5}) {
    exact_.tick(surface(), true, 0), sliced_.tick(surface(), true, 0);
    see(start_);
  }

  // Before an action on `target` (a key code when it is a key, 0 otherwise).
  void before(QWidget* target, Qt::MouseButton button = Qt::NoButton, int key = 0) {
    before_ = picture();
    wasSaved_ = k_.history.isSaved(surface());
    const bool canvas = target == window_.canvas();
    const auto& p = window_.panel();
    const bool left = button == Qt::LeftButton;
    takesSnapshot_ =
        (canvas && left && (k_.FillMode || (k_.ClicksOn && k_.PenUp))) || (canvas && key == 27) ||
        (left && target == p.CmdFrame) || (left && target == p.CmdSetBackColor) ||
        (button == Qt::RightButton && target == p.cmdColorBar) ||
        (left && target == p.cmdOpen && !platform_.openAnswers.empty() &&
         platform_.openAnswers.front() && readPicture(*platform_.openAnswers.front()).picture);
    saving_ = left && target == p.CmdSave && !platform_.saveAnswers.empty() &&
              platform_.saveAnswers.front();
    if (saving_) savedFile_ = *platform_.saveAnswers.front();
    opened_ = left && target == p.cmdOpen && !platform_.openAnswers.empty()
                  ? platform_.openAnswers.front()
                  : std::nullopt;
    opens_ = platform_.openRequests.size(), saves_ = platform_.saveRequests.size();
    backspace_ = canvas && key == 8;
    wasShown_ = p.MainFrame->isVisible(), wasUp_ = k_.PenUp;
    toggles_ = (canvas && button == Qt::RightButton) || key == PanelKey;
    undoing_ = canvas && key == UndoKey;
    redoing_ = canvas && (key == RedoKey || key == ShiftedRedoKey);
    const bool drawingKey =
        key == 8 || key == 27 || key == UndoKey || key == RedoKey || key == ShiftedRedoKey;
    mayDraw_ = takesSnapshot_ || (canvas && (drawingKey || !k_.PenUp));
  }

  // After it: the first rule broken, or none.
  std::optional<std::string> after() {
    settle();
    const QImage now = picture();
    const bool saved = k_.history.isSaved(surface());
    if (takesSnapshot_) snapshot_ = before_;
    if (backspace_ && now != snapshot_.value_or(before_))
      return "Backspace did not put back the picture from before the last change";
    // Only a right press on the canvas or the panel's key shows or hides the panel. Showing it
    // lifts the pen; hiding it leaves a drawing pen down.
    const bool shown = window_.panel().MainFrame->isVisible();
    if (shown != wasShown_ && !toggles_) return "the panel showed or hid without being asked";
    if (shown != wasShown_ && k_.PenUp != (shown || wasUp_))
      return "showing or hiding the panel did the wrong thing to the pen";
    // A change after undoing drops the steps undone: nothing is left to redo.
    if (redoing_ && changedSinceUndo_ && now != before_)
      return "a redo brought back a step that a change since had dropped";
    if ((backspace_ || undoing_ || redoing_) && !k_.PenUp)
      return "taking back or bringing back a change left the pen down";
    if (undoing_)
      changedSinceUndo_ = false;
    else if (!redoing_ && now != before_)
      changedSinceUndo_ = true;
    // A name typed without an ending gets the chosen filter's.
    QString name = savedFile_.name;
    if (saving_ && QFileInfo(name).suffix().isEmpty())
      name += savedFile_.filter == 1 ? ".png" : ".bmp";
    // A file dialog opens in the folder of the file last chosen in one, and proposes that file.
    const FileDialogRequest* asked =
        platform_.openRequests.size() > opens_   ? &platform_.openRequests.back()
        : platform_.saveRequests.size() > saves_ ? &platform_.saveRequests.back()
                                                 : nullptr;
    if (asked && (asked->proposedName != chosen_ ||
                  asked->directory != (chosen_.isEmpty() ? folder_ : QFileInfo(chosen_).path())))
      return "a file dialog did not open at the file last chosen";
    if (opened_ || saving_) chosen_ = opened_ ? *opened_ : name;
    const PictureRead read = saving_ ? readPicture(name) : PictureRead{};
    const bool written = read.picture && read.picture->convertToFormat(QImage::Format_RGB32) == now;
    // A save that failed leaves the picture as saved, or not, as it was.
    if (saving_ && saved != (written || wasSaved_))
      return saved ? "counted as saved, but the file does not read back as the picture"
                   : "Save Picture did not count the picture it wrote as saved";
    if (saving_ && written) {
      saved_ = now;
      // The name's ending decides the format, and only an ending of neither kind the filter.
      const QString ending = QFileInfo(name).suffix().toLower();
      const bool png = ending == "png" || (ending != "bmp" && savedFile_.filter == 1);
      QFile file(name);
      if (!file.open(QIODevice::ReadOnly) || file.read(2) != (png ? "\x89P" : "BM"))
        return "the picture was saved in the wrong format";
    }
    if (saved && now != saved_) return "counted as saved, but the picture is not the file saved";
    if (!mayDraw_ && now != before_)
      return "the picture changed under an action that draws nothing";
    if (!mayDraw_ && !saving_ && saved != wasSaved_)
      return "an action that draws nothing changed whether the picture counts as saved";
    see(now);
    if (auto broken = autosaved(now, saved)) return broken;
    const QImage screen = window_.screen()
                              ->grabWindow(window_.winId())
                              .toImage()
                              .convertToFormat(QImage::Format_RGB32);
    if (auto broken = screenShows(screen, now)) return broken;
    if (auto broken = names()) return broken;
    return controlsShow(screen);
  }

  // n times Ctrl+Z, then n times Ctrl+Y or Ctrl+Shift+Z, each checked; with every step undone
  // the picture is the one the window started with, and redoing as often gives the picture back.
  // At most as many as there are steps: a redo past them would redo what was undone before.
  std::optional<std::string> undoRedo(int most, bool shifted) {
    settle();
    const QImage was = picture();
    const Colour back = surface().BackColor();
    const bool saved = k_.history.isSaved(surface());
    const std::size_t steps = k_.history.undoSteps();
    const int n = int(std::min(std::size_t(most), steps));
    for (int i = 0; i < n; ++i)
      if (auto broken = key(window_.canvas(), Qt::Key_Z, Qt::ControlModifier)) return broken;
    if (n > 0 && k_.history.undoSteps() == 0 &&
        (picture() != start_ || surface().BackColor() != White))
      return "undoing every step did not give the canvas the window started with";
    for (int i = 0; i < n; ++i) {
      const auto broken =
          shifted ? key(window_.canvas(), Qt::Key_Z, Qt::ShiftModifier | Qt::ControlModifier)
                  : key(window_.canvas(), Qt::Key_Y, Qt::ControlModifier);
      if (broken) return broken;
    }
    if (picture() != was || surface().BackColor() != back)
      return "undoing and redoing as often did not give the canvas back";
    if (k_.history.undoSteps() < steps) return "undoing and redoing as often lost steps";
    if (k_.history.isSaved(surface()) != saved)
      return "undoing and redoing as often changed whether the picture counts as saved";
    return std::nullopt;
  }

  std::optional<std::string> key(QWidget* target, Qt::Key key, Qt::KeyboardModifiers m = {}) {
    before(target, Qt::NoButton, keyCode(key, m));
    QTest::keyClick(target, key, m);
    return after();
  }

  // At the end: the slow autosave writes the picture as it stands, and that file, brought back
  // at the next start, gives exactly the picture.
  std::optional<std::string> finish() {
    const bool saved = k_.history.isSaved(surface());
    sliced_.finish(surface(), saved);
    const QString file = dir_.filePath("sliced.png");
    if (saved && QFile::exists(file)) return "the autosave of a saved picture stayed";
    if (saved) return std::nullopt;
    Surface next(surface().pixelSize());
    if (!recoverAtStart(next, platform_, Autosaver::read(file), file, true) ||
        next.Image() != picture() || next.BackColor() != surface().BackColor())
      return "the autosave at the end did not bring back the picture";
    return std::nullopt;
  }

  // Repaints reach the screen at the next frame, a few milliseconds after they were asked for.
  static void settle() { QTest::qWait(8); }
  QImage picture() const { return surface().Image().convertToFormat(QImage::Format_RGB32); }
  const Surface& surface() const { return window_.surface(); }

 private:
  static constexpr int PanelKey = -1;
  static int keyCode(Qt::Key key, Qt::KeyboardModifiers m) {
    if (key == Qt::Key_F10 || key == Qt::Key_Menu) return PanelKey;
    if (key == Qt::Key_Backspace) return 8;
    if (key == Qt::Key_Escape) return 27;
    if (m & Qt::ControlModifier && key == Qt::Key_Z)
      return m & Qt::ShiftModifier ? ShiftedRedoKey : UndoKey;
    if (m & Qt::ControlModifier && key == Qt::Key_Y) return RedoKey;
    return 0;
  }
  static std::vector<std::pair<int, std::size_t>> tileHashes(const QImage& image) {
    std::vector<std::pair<int, std::size_t>> hashes;
    constexpr int Side = Surface::TileSide;
    for (int top = 0, t = 0; top < image.height(); top += Side) {
      for (int left = 0; left < image.width(); left += Side, ++t) {
        const QImage tile = image.copy(left, top, Side, Side);
        hashes.emplace_back(t, qHashBits(tile.constBits(), std::size_t(tile.sizeInBytes())));
      }
    }
    return hashes;
  }
  void see(const QImage& image) {
    for (const auto& tile : tileHashes(image)) seen_.insert(tile);
  }
  bool seenTileByTile(const QImage& image) const {
    for (const auto& tile : tileHashes(image)) {
      if (!seen_.contains(tile)) return false;
    }
    return true;
  }

  std::optional<std::string> autosaved(const QImage& now, bool saved) {
    exact_.tick(surface(), saved, ++clock_), sliced_.tick(surface(), saved, clock_);
    exact_.waitForWriter(), sliced_.waitForWriter();
    const auto exact = Autosaver::read(dir_.filePath("exact.png"));
    if (saved && exact) return "the autosave of a saved picture stayed";
    if (!saved && (!exact || exact->pixels != now || exact->backColor != surface().BackColor()))
      return "the autosave does not hold the picture and its background colour";
    const auto sliced = Autosaver::read(dir_.filePath("sliced.png"));
    if (sliced && !seenTileByTile(sliced->pixels))
      return "the slow autosave holds a tile that never was";
    return std::nullopt;
  }

  // The window's own pixels as the screen shows them (the offscreen screen keeps what was
  // flushed), so a change that was never repainted shows. A pattern's guides are coloured and
  // strong where several cross: there the screen must show what a full repaint shows, which
  // blends the picture with the guides' colours.
  std::optional<std::string> screenShows(const QImage& shown, const QImage& now) const {
    if (shown.size() != now.size()) return "the screen is not the picture's size";
    QImage covered(now.size(), QImage::Format_Grayscale8);
    covered.fill(0);
    QPainter painter(&covered);
    for (const QWidget* w : window_.findChildren<QWidget*>())
      if (w != window_.canvas() && w->isVisible())
        painter.fillRect(QRect(w->mapTo(&window_, QPoint()), w->size()), Qt::white);
    painter.end();
    const bool guides = k_.symmetry.guides;
    const bool pattern = guides && k_.symmetry.kind() == Symmetry::Kind::Pattern;
    const QImage full =
        pattern ? window_.canvas()->grab().toImage().convertToFormat(QImage::Format_RGB32) : now;
    for (int y = 0; y < now.height(); ++y) {
      const auto* a = reinterpret_cast<const QRgb*>(shown.constScanLine(y));
      const auto* b = reinterpret_cast<const QRgb*>(now.constScanLine(y));
      const auto* c = reinterpret_cast<const QRgb*>(full.constScanLine(y));
      for (int x = 0; x < now.width(); ++x) {
        if (covered.constScanLine(y)[x] || (a[x] == b[x] && a[x] == c[x])) continue;
        if (pattern ? a[x] != c[x] || !blendsOver(b[x], a[x]) : !guides || !towardsGrey(b[x], a[x]))
          return "the screen does not show the picture at " + std::to_string(x) + "," +
                 std::to_string(y) + ": " + QColor(a[x]).name().toStdString() + " for " +
                 QColor(b[x]).name().toStdString();
      }
    }
    if (guides && !pattern) return raysShow(shown, now, covered);
    return pattern ? linesShow(shown, now, covered) : std::nullopt;
  }
  // A pattern's mirror lines show in blue, its glides in green: along each line, more of what
  // shows is a blend of the picture with its own colour than with the other's (where lines
  // cross, it may be neither).
  std::optional<std::string> linesShow(const QImage& shown, const QImage& now,
                                       const QImage& covered) const {
    const QPointF c = QPointF(k_.symmetry.centrePixel(surface())) + QPointF(0.5, 0.5);
    const QColor blue(40, 90, 200), green(40, 150, 60);
    const auto misfit = [](QRgb under, QRgb seen, const QColor& guide) {
      const QVector3D d(guide.red() - qRed(under), guide.green() - qGreen(under),
                        guide.blue() - qBlue(under)),
          s(qRed(seen) - qRed(under), qGreen(seen) - qGreen(under), qBlue(seen) - qBlue(under));
      return (s - d * QVector3D::dotProduct(s, d) / std::max(1.f, d.lengthSquared())).length();
    };
    for (const auto& [line, kind] : k_.symmetry.pattern().guides({-c, QSizeF(now.size())}).lines) {
      int own = 0, other = 0;
      for (int i = 1; i < 100 && kind != PatternGuides::Line::Cell; ++i) {
        const QPointF at = c + line.pointAt(i / 100.);
        const QPoint p(int(std::floor(at.x())), int(std::floor(at.y())));
        if (!now.rect().contains(p) || covered.pixel(p) != qRgb(0, 0, 0) ||
            shown.pixel(p) == now.pixel(p))
          continue;
        const float b = misfit(now.pixel(p), shown.pixel(p), blue),
                    g = misfit(now.pixel(p), shown.pixel(p), green);
        (kind == PatternGuides::Line::Mirror ? b < g : g < b) ? ++own : ++other;
      }
      if (other > std::max(own, 3))
        return "a pattern's mirror or glide line shows in the other's colour";
    }
    return std::nullopt;
  }
  // The guides run from the centre: for the mirror modes along their mirror lines, for a spin
  // between its copies, the first straight up, for a kaleidoscope along its mirror lines, the
  // first straight down. Each shows, dashed, somewhere along two stretches of its ray, unless the
  // picture there is the guides' own grey.
  std::optional<std::string> raysShow(const QImage& shown, const QImage& now,
                                      const QImage& covered) const {
    const int n = k_.symmetry.order();
    const auto [rays, first] = k_.symmetry.kind() == Symmetry::Kind::Spin
                                   ? std::pair{n > 1 ? n : 0, -M_PI / 2}
                               : k_.symmetry.kind() == Symmetry::Kind::Kaleidoscope
                                   ? std::pair{2 * n, M_PI / 2}
                                   : std::pair{k_.MirrorMode == 0 ? 0 : 4 * k_.MirrorMode, 0.0};
    const QPoint c = k_.symmetry.centrePixel(surface());
    for (int j = 0; j < rays; ++j) {
      const double a = first + 2 * M_PI * j / rays;
      bool judged = false, seen = false;
      for (const int r : {60, 61, 62, 63, 64, 65, 66, 67, 150, 151, 152, 153, 154, 155, 156, 157}) {
        const QPoint p =
            c + QPoint(int(std::lround(r * std::cos(a))), int(std::lround(r * std::sin(a))));
        if (!now.rect().contains(p) || covered.pixel(p) != qRgb(0, 0, 0)) continue;
        const QRgb under = now.pixel(p);
        judged |= std::abs(qRed(under) - 128) + std::abs(qGreen(under) - 128) +
                      std::abs(qBlue(under) - 128) >
                  24;
        seen |= shown.pixel(p) != under;
      }
      if (judged && !seen) return "no guide shows along the ray at " + std::to_string(a) + " rad";
    }
    return std::nullopt;
  }
  // Blends of the picture's colour with the pattern guides' grey, blue, green and red: each
  // component between the lowest and the highest of theirs.
  static bool blendsOver(QRgb picture, QRgb shown) {
    const auto between = [](int p, int s, int low, int high) {
      return std::min(p, low) - 2 <= s && s <= std::max(p, high) + 2;
    };
    return between(qRed(picture), qRed(shown), 40, 200) &&
           between(qGreen(picture), qGreen(shown), 60, 150) &&
           between(qBlue(picture), qBlue(shown), 40, 200);
  }
  // Faint grey lines over `picture`, crossing or not, move each component towards 128, never
  // past it.
  static bool towardsGrey(QRgb picture, QRgb shown) {
    const auto near = [](int p, int s) {
      return (s - p) * (128 - p) >= 0 && std::abs(s - p) <= std::abs(128 - p) + 2;
    };
    return near(qRed(picture), qRed(shown)) && near(qGreen(picture), qGreen(shown)) &&
           near(qBlue(picture), qBlue(shown));
  }

  // Assistive tools read every button's name without its mnemonic mark, and the name of a pen
  // width or polygon button tells the width or the sides it chooses, as its caption does. What
  // they read as a control's description is what its tooltip tells.
  std::optional<std::string> names() {
    if (std::exchange(namesRead_, true)) return std::nullopt;
    const auto name = [](QWidget* w) {
      return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
    };
    for (FaceButton* b : window_.findChildren<FaceButton*>())
      if (name(b).contains('&')) return b->objectName().toStdString() + " is read with its '&'";
    for (QWidget* w : window_.findChildren<QWidget*>())
      if (!w->toolTip().isEmpty() &&
          QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description) != w->toolTip())
        return w->objectName().toStdString() + " is described otherwise than its tooltip";
    const PanelWidgets& p = window_.panel();
    for (int i = 0; i < 8; ++i)
      if (!name(p.th[i]).contains(QString::number(2 * i + 1)) ||
          !name(p.polyg[i]).contains(QString::number(i + 3)) ||
          !p.polyg[i]->text().contains(QString::number(i + 3)))
        return "a pen width or polygon button is named for another";
    // Each pen width button shows a dot as wide as its pen: the dark it paints (red is full on
    // both white and yellow faces) is a disc of that width.
    for (int i = 0; i < 8; ++i) {
      const QImage face = p.th[i]->grab().toImage();
      double dark = 0;
      for (int y = 4; y < face.height() - 4; ++y)
        for (int x = 4; x < face.width() - 4; ++x) dark += (255 - qRed(face.pixel(x, y))) / 255.;
      if (std::abs(2 * std::sqrt(dark / M_PI) - (2 * i + 1)) > 0.4)
        return p.th[i]->objectName().toStdString() + " shows a dot of another width";
    }
    return std::nullopt;
  }

  std::optional<std::string> controlsShow(const QImage& screen) {
    const PanelWidgets& p = window_.panel();
    const SymmetryStrip& s = *window_.symmetryStrip();
    const bool shown = p.MainFrame->isVisible();
    for (int c = 0; c < ControlCount; ++c) {
      const bool exitPrint = Control(c) == Control::CmdExit || Control(c) == Control::CmdPrint;
      for (const QWidget* w : p.widgetsOf(Control(c)))
        if (w->isVisible() != (shown && (!exitPrint || k_.ExitPrintShown)))
          return w->objectName().toStdString() + " does not show and hide with the panel";
    }
    if (s.isVisible() != shown || window_.patternChooser()->isVisible() != shown)
      return "the strip or the chooser does not show and hide with the panel";
    const auto face = [&](const FaceButton* b) {
      return screen.pixelColor(b->mapTo(&window_, QPoint(4, 4)));
    };
    const auto marked = [&](const FaceButton* b, bool on,
                            bool mustTell) -> std::optional<std::string> {
      const QAccessible::State state =
          QAccessible::queryAccessibleInterface(const_cast<FaceButton*>(b))->state();
      const QColor want = on ? Qt::yellow : Qt::white;
      if ((mustTell || state.checkable) && (!state.checkable || state.checked != on))
        return b->objectName().toStdString() + " tells assistive tools the wrong mark";
      if (shown && face(b) != want) return b->objectName().toStdString() + " shows the wrong mark";
      return std::nullopt;
    };
    const auto kind = k_.symmetry.kind();
    for (int i = 0; i < 8; ++i) {
      auto broken = marked(p.th[i], k_.Thickness == 2 * i + 1, true);
      if (!broken) broken = marked(p.polyg[i], k_.DrawStyle == 3 && k_.PolySides == i + 3, true);
      if (!broken && i < 3) broken = marked(p.sty[i], k_.DrawStyle == i, true);
      if (!broken && i < 3)
        broken = marked(p.mir[i], kind == Symmetry::Kind::Mirror && k_.MirrorMode == i, true);
      if (broken) return broken;
    }
    for (const auto& [b, on, tells] :
         {std::tuple{p.CmdFill, k_.FillMode, true},
          {p.CmdGradient, k_.GradientOn, true},
          {s.cmdSpin, kind == Symmetry::Kind::Spin, false},
          {s.cmdKaleidoscope, kind == Symmetry::Kind::Kaleidoscope, false},
          {s.cmdRainbow, k_.symmetry.rainbow, false},
          {s.cmdGuides, k_.symmetry.guides, false}})
      if (auto broken = marked(b, on, tells)) return broken;
    const bool pattern = kind == Symmetry::Kind::Pattern;
    for (const FaceButton* b : window_.patternChooser()->cmdPattern)  // pictures, marked round
      if (b->isMarked() !=
          (pattern &&
           b == window_.patternChooser()->cmdPattern[std::size_t(k_.symmetry.pattern().index())]))
        return b->objectName().toStdString() + " shows the wrong mark";
    const QColor drawing = toQColor(surface().ForeColor);
    if (p.cmdColorBar->face() != drawing || (shown && face(p.cmdColorBar) != drawing))
      return "the colour bar does not show the drawing colour";
    if (p.Label1->palette().color(QPalette::WindowText) != (k_.EchoOn ? Qt::red : Qt::black))
      return "the title's colour does not tell whether the echo is on";
    if (s.lblOrder->text() != QString::number(k_.symmetry.order()))
      return "the strip does not show the order";
    const Pattern& chosen = k_.symmetry.pattern();
    const QString width = QString::number(chosen.cell().width());
    if (window_.patternChooser()->lblCell->text() !=
        (chosen.stretchable() ? width + u'\u00d7' + QString::number(chosen.cell().height())
                              : width))
      return "the chooser does not show the cell's width, and its height where it can stretch";
    if (p.ScrollSize->value() != k_.BrushSize) return "the size bar does not show the size";
    if (p.txtRed->text() != k_.view.txtRed || p.txtGreen->text() != k_.view.txtGreen ||
        p.txtBlue->text() != k_.view.txtBlue)
      return "a step box does not show the step the gradient uses";
    return std::nullopt;
  }

  MainWindow& window_;
  Kalyra& k_;
  FakePlatform& platform_;
  QTemporaryDir dir_;
  const QImage start_;
  QImage saved_;
  QImage before_;
  std::optional<QImage> snapshot_;
  FileChoice savedFile_;
  std::optional<QString> opened_;
  std::size_t opens_ = 0, saves_ = 0;
  const QString folder_ = platform_.directory;  // where the dialogs open first
  QString chosen_;
  bool wasSaved_ = true, takesSnapshot_ = false, saving_ = false, backspace_ = false,
       mayDraw_ = false, wasShown_ = false, wasUp_ = true, undoing_ = false, redoing_ = false,
       changedSinceUndo_ = true, toggles_ = false;
  Autosaver exact_, sliced_;
  double clock_ = 0;
  std::set<std::pair<int, std::size_t>> seen_;
  bool namesRead_ = false;
};
