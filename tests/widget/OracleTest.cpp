#include <gtest/gtest.h>

#include <QTimer>
#include <chrono>
#include <functional>
#include <random>

#include "canvas/Numbers.h"
#include "widget/Oracles.h"

namespace {

// One thing a user does: a move, a press of a mouse button where the pointer is, a key, or a
// click on a control of the panel or the strip (with the dialog's answer it meets).
struct Action {
  enum Kind { Move, Press, Key, Control, UndoRedo } kind;
  int a = 0, b = 0;
};

struct KeyStroke {
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
};
const KeyStroke Keys[] = {
    {Qt::Key_K, Qt::ControlModifier},
    {Qt::Key_S, {}},
    {Qt::Key_Escape, {}},
    {Qt::Key_Slash, {}},
    {Qt::Key_Space, {}},
    {Qt::Key_Backspace, {}},
    {Qt::Key_Z, Qt::ControlModifier},
    {Qt::Key_Y, Qt::ControlModifier},
    {Qt::Key_K, {}},
    {Qt::Key_T, {}},
    {Qt::Key_Plus, {}},
    {Qt::Key_Minus, {}},
    {Qt::Key_C, {}},
    {Qt::Key_H, {}},
    {Qt::Key_R, {}},
    {Qt::Key_G, {}},
    {Qt::Key_5, {}},
};
constexpr int KeyCount = int(std::size(Keys));
constexpr int Clickables =
    44;  // the controls of the panel and the strip that Session::controls lists
const Colour Answers[] = {0x0000ff, 0x00ff00, 0x804020, White, Black};

std::string describe(const Action& a) {
  const char* kinds[] = {"move", "press", "key", "control", "undo-redo"};
  return std::string(kinds[a.kind]) + "(" + std::to_string(a.a) + "," + std::to_string(a.b) + ")";
}

// A window of its own with a fake platform, a folder for the files it saves and the oracles.
class Session {
 public:
  Session() : window(platform, 96) {
    window.resize(800, 600);
    window.show(), window.activateWindow();
    (void)QTest::qWaitForWindowActive(&window);
    // A notice would wait for its OK; nothing here should need one, and none may hang the run.
    QObject::connect(&closer, &QTimer::timeout, [] {
      if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
    closer.start(50);
    QImage small(300, 200, QImage::Format_RGB32);
    small.fill(Qt::darkCyan);
    QPainter(&small).fillRect(40, 40, 100, 60, Qt::magenta);
    small.save(dir.filePath("small.png"));
    files.push_back(dir.filePath("small.png"));
    oracles.emplace(window, platform);
  }

  // The first rule an action breaks, with the action's place in the list.
  std::optional<std::string> perform(const Action& a) {
    switch (a.kind) {
      case Action::Move:
        pointer = {a.a % 800, a.b % 600};
        oracles->before(window.childAt(pointer));
        QTest::mouseMove(&window, pointer);
        return oracles->after();
      case Action::Press: {
        const Qt::MouseButton button = a.a == 0   ? Qt::LeftButton
                                       : a.a == 1 ? Qt::RightButton
                                                  : Qt::MiddleButton;
        QWidget* target = window.childAt(pointer);
        if (!target) target = &window;
        oracles->before(target, button);
        QTest::mouseClick(target, button, {}, target->mapFrom(&window, pointer));
        return oracles->after();
      }
      case Action::Key: {
        const KeyStroke& s = Keys[a.a % KeyCount];
        QWidget* target = QApplication::focusWidget();
        return oracles->key(target ? target : &window, s.key, s.modifiers);
      }
      case Action::UndoRedo:
        return oracles->undoRedo(a.a % 6 + 1, a.b % 2);
      case Action::Control:
        return control(a.a, a.b);
    }
    return std::nullopt;
  }

  std::vector<QWidget*> controls() {
    const PanelWidgets& p = window.panel();
    const SymmetryStrip& s = *window.symmetryStrip();
    std::vector<QWidget*> all(p.th.begin(), p.th.end());
    all.insert(all.end(), p.sty.begin(), p.sty.end());
    all.insert(all.end(), p.polyg.begin(), p.polyg.end());
    all.insert(all.end(), p.mir.begin(), p.mir.end());
    all.insert(all.end(), {p.CmdFill,         p.CmdGradient,  p.CmdSetForeColor, p.CmdSetBackColor,
                           p.cmdColorBar,     p.cmdColorBar,  p.CmdFrame,        p.cmdOpen,
                           p.CmdSave,         p.CmdPrint,     p.Label1,          p.ScrollSize,
                           p.txtRed,          p.txtGreen,     p.txtBlue,         s.cmdSpin,
                           s.cmdKaleidoscope, s.cmdOrderDown, s.cmdOrderUp,      s.cmdRainbow,
                           s.cmdGuides,       s.cmdCentre});
    return all;
  }

  FakePlatform platform = [] {
    FakePlatform small;
    small.screen = {800, 600};
    return small;
  }();
  MainWindow window;
  QTemporaryDir dir;
  std::optional<Oracles> oracles;
  QPoint pointer{400, 300};

 private:
  // A hidden control is reached as a user reaches it: a right click shows the panel first.
  std::optional<std::string> control(int which, int answer) {
    const std::vector<QWidget*> all = controls();
    const std::size_t i = std::size_t(which) % all.size();
    QWidget* w = all[i];
    if (!w->isVisible()) {
      oracles->before(window.canvas(), Qt::RightButton);
      QTest::mouseClick(window.canvas(), Qt::RightButton, {}, pointer);
      if (auto broken = oracles->after()) return broken;
      if (!w->isVisible()) return std::nullopt;
    }
    const PanelWidgets& p = window.panel();
    const float random = float(answer % 7) / 6.f;
    platform.randoms = {random, 1 - random, random / 2};
    const std::optional<Colour> colour =
        answer % 6 == 5 ? std::nullopt : std::optional(Answers[answer % 6]);
    platform.colourAnswers = {colour};
    platform.openAnswers.clear();
    platform.saveAnswers.clear();
    if (w == p.cmdOpen) platform.openAnswers = {files[std::size_t(answer) % files.size()]};
    if (w == p.CmdSave && answer % 6 != 5) {
      const QString name = dir.filePath(QStringLiteral("saved%1").arg(files.size()));
      const char* endings[] = {".bmp", ".png", "", ".PNG", ""};
      const int filters[] = {1, 0, 1, 0, 0};  // 1: the PNG filter
      files.push_back(name + endings[answer % 6]);
      platform.saveAnswers = {FileChoice(files.back(), filters[answer % 6])};
    }
    const bool right = i > 0 && all[i - 1] == w;  // the colour bar's second entry
    const QPoint at =
        w == p.ScrollSize ? QPoint(answer % 2 ? w->width() - 30 : 30, 4) : w->rect().center();
    oracles->before(w, right ? Qt::RightButton : Qt::LeftButton);
    QTest::mouseClick(w, right ? Qt::RightButton : Qt::LeftButton, {}, at);
    if (auto broken = oracles->after()) return broken;
    if (qobject_cast<StepBox*>(w)) {
      const char* typed[] = {"7", "x", "2000", "-3"};
      QTest::keyClicks(w, typed[answer % 4]);
      return oracles->after();
    }
    return std::nullopt;
  }

  QTimer closer;
  std::vector<QString> files;
};

// The index of the first action that breaks a rule, and the rule; none when all hold.
std::optional<std::pair<std::size_t, std::string>> runActions(const std::vector<Action>& list) {
  Session session;
  for (std::size_t i = 0; i < list.size(); ++i)
    if (auto broken = session.perform(list[i])) return std::pair{i, *broken};
  if (auto broken = session.oracles->finish()) return std::pair{list.size(), *broken};
  return std::nullopt;
}

std::vector<Action> randomActions(unsigned seed, int count) {
  std::mt19937 random(seed);
  const auto pick = [&](int n) { return int(random() % unsigned(n)); };
  std::vector<Action> list;
  for (int i = 0; i < count; ++i) {
    const int roll = pick(100);
    if (roll < 35)
      list.push_back({Action::Move, pick(800), pick(600)});
    else if (roll < 48)
      list.push_back({Action::Press, pick(10) < 6 ? 0 : pick(3), 0});
    else if (roll < 63)
      list.push_back({Action::Key, pick(KeyCount), 0});
    else if (roll < 93)
      list.push_back({Action::Control, pick(Clickables), pick(60)});
    else
      list.push_back({Action::UndoRedo, pick(6), pick(2)});
  }
  return list;
}

// The shortest list found that still breaks a rule: the tail after the failure goes, then ever
// smaller pieces, as long as the run still fails. Bounded, so a broken program still ends soon.
std::vector<Action> shrink(std::vector<Action> list, std::size_t failedAt) {
  list.resize(std::min(list.size(), failedAt + 1));
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  for (std::size_t piece = list.size() / 2; piece > 0; piece /= 2) {
    for (std::size_t from = 0; from + piece <= list.size();) {
      if (std::chrono::steady_clock::now() > deadline) return list;
      std::vector<Action> shorter(list.begin(), list.begin() + long(from));
      shorter.insert(shorter.end(), list.begin() + long(from + piece), list.end());
      if (const auto broken = runActions(shorter)) {
        shorter.resize(std::min(shorter.size(), broken->first + 1));
        list = std::move(shorter);
      } else {
        from += piece;
      }
    }
  }
  return list;
}

}  // namespace

// A few hundred actions chosen at random from a seed (KALYRA_ORACLE_SEED sets another), every
// rule checked after each. A failure tells the seed and the shortest list of actions that still
// fails.
TEST(Oracles, HoldAfterEveryActionOfARandomRun) {
  const unsigned seed = qEnvironmentVariableIsSet("KALYRA_ORACLE_SEED")
                            ? unsigned(qEnvironmentVariableIntValue("KALYRA_ORACLE_SEED"))
                            : 20261207u;
  const std::vector<Action> list = randomActions(seed, 400);
  const auto broken = runActions(list);
  if (!broken) return;
  std::string shortest;
  for (const Action& a : shrink(list, broken->first)) shortest += describe(a) + " ";
  ADD_FAILURE() << broken->second << " after action " << broken->first << " of the run with seed "
                << seed << "; the shortest list that still fails: " << shortest;
}

namespace {

// The program's state a control or key may change, besides the picture.
struct State {
  int thickness, style, sides, mirror, kind, order, size;
  bool rainbow, guides, fill, gradient, echo, clicks, penUp, panel, exitPrint, saved;
  std::optional<QPoint> centre;
  Colour fore, back;
  std::size_t printed;
};

State stateOf(Session& s) {
  const Kalyra& k = s.window.core();
  return {k.Thickness,
          k.DrawStyle,
          k.PolySides,
          k.MirrorMode,
          int(k.symmetry.kind()),
          k.symmetry.order(),
          k.BrushSize,
          k.symmetry.rainbow,
          k.symmetry.guides,
          k.FillMode,
          k.GradientOn,
          k.EchoOn,
          k.ClicksOn == 1,
          k.PenUp,
          s.window.panel().MainFrame->isVisible(),
          s.window.panel().CmdExit->isVisible(),
          k.history.isSaved(s.window.surface()),
          k.symmetry.movedCentre(),
          s.window.surface().ForeColor,
          s.window.surface().BackColor(),
          s.platform.printed.size()};
}

std::string text(const State& s) {
  std::string t;
  for (const auto& [name, value] : {std::pair{"thickness", s.thickness},
                                    {"style", s.style},
                                    {"sides", s.sides},
                                    {"mirror", s.mirror},
                                    {"kind", s.kind},
                                    {"order", s.order},
                                    {"size", s.size},
                                    {"rainbow", s.rainbow},
                                    {"guides", s.guides},
                                    {"fill", s.fill},
                                    {"gradient", s.gradient},
                                    {"echo", s.echo},
                                    {"clicks", s.clicks},
                                    {"penUp", s.penUp},
                                    {"panel", s.panel},
                                    {"exitPrint", s.exitPrint},
                                    {"saved", s.saved},
                                    {"centreX", s.centre ? s.centre->x() : -1},
                                    {"centreY", s.centre ? s.centre->y() : -1},
                                    {"fore", s.fore},
                                    {"back", s.back},
                                    {"printed", int(s.printed)}})
    t += std::string(name) + "=" + std::to_string(value) + " ";
  return t;
}

using Picture = std::function<bool(const QImage& before, const QImage& after, const State&)>;
bool same(const QImage& before, const QImage& after, const State&) {
  return before == after;
}
bool changed(const QImage& before, const QImage& after, const State&) {
  return before != after;
}
bool plain(const QImage&, const QImage& after, const State& s) {
  QImage back(after.size(), QImage::Format_RGB32);
  back.fill(toQRgb(s.back));
  return after == back;
}
Picture drawnAt(std::vector<QPoint> points) {
  return [points](const QImage&, const QImage& after, const State& s) {
    return std::ranges::all_of(points, [&](QPoint p) { return after.pixel(p) == toQRgb(s.fore); });
  };
}
Picture as(const QImage* expected) {
  return
      [expected](const QImage&, const QImage& after, const State&) { return after == *expected; };
}

}  // namespace

// Every control of the panel and the strip, every key and mouse button on the canvas, each
// pressed through the window as a user does, with what it must change; everything else stays
// as it was, and the rules of the random run hold after each.
TEST(Oracles, EveryControlAndKeyChangesWhatItMustAndNothingElse) {
  Session s;
  const PanelWidgets& p = s.window.panel();
  const SymmetryStrip& strip = *s.window.symmetryStrip();
  CanvasWidget* canvas = s.window.canvas();
  struct Row {
    std::string what;
    std::function<std::optional<std::string>()> act;
    std::function<void(State&)> change;
    Picture picture = same;
  };
  const auto click = [&s](QWidget* w, Qt::MouseButton b = Qt::LeftButton, QPoint at = {}) {
    return [&s, w, b, at] {
      s.oracles->before(w, b);
      QTest::mouseClick(w, b, {}, at.isNull() ? w->rect().center() : at);
      return s.oracles->after();
    };
  };
  const auto key = [&s](Qt::Key k, Qt::KeyboardModifiers m = {}) {
    return [&s, k, m] { return s.oracles->key(s.window.canvas(), k, m); };
  };
  const auto move = [&s](QPoint to) {
    return [&s, to] {
      s.oracles->before(s.window.canvas());
      QTest::mouseMove(&s.window, to);
      return s.oracles->after();
    };
  };
  const auto answer = [&s](auto act, auto setUp) {
    return [&s, act, setUp] { return setUp(s.platform), act(); };
  };
  const auto flip = [](bool State::*field) {
    return [field](State& t) { t.*field = !(t.*field); };
  };
  const auto nothing = [](State&) {};
  const QPoint left{500, 200}, right{700, 400}, centre = s.window.surface().toPixel(0, 0);
  const auto pixelOf = [&](QPoint p) {  // the whole units of the pointer, as the program keeps it
    const QPointF units = canvas->toUnits(p);
    return s.window.surface().toPixel(toInt16(units.x()), toInt16(units.y()));
  };
  const QPoint clear{600, 150}, cyan{285, 100};
  QImage loaded(300, 200, QImage::Format_RGB32), beforeFill;
  loaded.fill(Qt::darkCyan);
  loaded.save(s.dir.filePath("table.png"));
  std::vector<Row> rows = {{"right click", click(canvas, Qt::RightButton, left),
                            [](State& t) { t.panel = t.exitPrint = true; }}};
  for (int i = 0; i < 8; ++i) {
    rows.push_back({"pen width " + std::to_string(2 * i + 1), click(p.th[i]),
                    [i](State& t) { t.thickness = 2 * i + 1; }});
    rows.push_back({"polygon " + std::to_string(i + 3), click(p.polyg[i]),
                    [i](State& t) { t.style = 3, t.sides = i + 3; }});
  }
  for (int i = 2; i >= 0; --i) {
    rows.push_back({"style " + std::to_string(i), click(p.sty[i]), [i](State& t) { t.style = i; }});
    rows.push_back(
        {"mirror " + std::to_string(i), click(p.mir[i]), [i](State& t) { t.mirror = i; }});
  }
  const auto bar = [](double r, double g, double b) {
    return [r, g, b](FakePlatform& f) { f.randoms = {float(r), float(g), float(b)}; };
  };
  const std::vector<Row> more = {
      {"fill", click(p.CmdFill), flip(&State::fill)},
      {"fill again", click(p.CmdFill), flip(&State::fill)},
      {"gradient", click(p.CmdGradient), flip(&State::gradient)},
      {"gradient again", click(p.CmdGradient), flip(&State::gradient)},
      {"title", click(p.Label1), flip(&State::echo)},
      {"size bar", click(p.ScrollSize, Qt::LeftButton, {p.ScrollSize->width() - 30, 4}),
       [](State& t) { t.size += 10; }},
      {"drawing colour",
       answer(click(p.CmdSetForeColor), [](FakePlatform& f) { f.colourAnswers = {0x0000ff}; }),
       [](State& t) { t.fore = 0x0000ff; }},
      {"colour bar", answer(click(p.cmdColorBar), bar(0.5, 0.25, 0.999)),
       [](State& t) { t.fore = packColour(128, 64, 255); }},
      {"colour bar, right", answer(click(p.cmdColorBar, Qt::RightButton), bar(0.1, 0.2, 0.3)),
       [](State& t) { t.back = packColour(25, 51, 76), t.saved = false; }, plain},
      {"canvas colour",
       answer(click(p.CmdSetBackColor), [](FakePlatform& f) { f.colourAnswers = {0x00ff00}; }),
       [](State& t) { t.back = 0x00ff00; }, plain},
      {"frame", click(p.CmdFrame), nothing,
       drawnAt({{0, 0}, {799, 599}, {2, 300}, {797, 300}, {400, 2}, {400, 597}})},
      {"save",
       answer(click(p.CmdSave),
              [&s](FakePlatform& f) { f.saveAnswers = {FileChoice(s.dir.filePath("saved.bmp"))}; }),
       [](State& t) { t.saved = true; }},
      {"load",
       answer(click(p.cmdOpen),
              [&s](FakePlatform& f) { f.openAnswers = {s.dir.filePath("table.png")}; }),
       [](State& t) { t.saved = false; },
       [&](const QImage&, const QImage& after, const State&) {
         return after.copy(0, 0, 300, 200) == loaded && after.pixel(400, 300) == toQRgb(0x00ff00);
       }},
      {"print", click(p.CmdPrint), [](State& t) { ++t.printed; }},
      {"spin", click(strip.cmdSpin), [](State& t) { t.kind = int(Symmetry::Kind::Spin); }},
      {"spin again", click(strip.cmdSpin), [](State& t) { t.kind = 0; }},
      {"kaleidoscope", click(strip.cmdKaleidoscope),
       [](State& t) { t.kind = int(Symmetry::Kind::Kaleidoscope); }},
      {"order up", click(strip.cmdOrderUp), [](State& t) { ++t.order; }},
      {"order down", click(strip.cmdOrderDown), [](State& t) { --t.order; }},
      {"rainbow", click(strip.cmdRainbow), flip(&State::rainbow)},
      {"rainbow again", click(strip.cmdRainbow), flip(&State::rainbow)},
      {"guides", click(strip.cmdGuides), flip(&State::guides)},
      {"mirror 1", click(p.mir[1]), [](State& t) { t.mirror = 1, t.kind = 0; }},
      {"move", move(right), nothing},
      {"key C", key(Qt::Key_C), [&](State& t) { t.centre = pixelOf(right); }},
      {"centre", click(strip.cmdCentre), [](State& t) { t.centre.reset(); }},
      {"Ctrl+K", key(Qt::Key_K, Qt::ControlModifier), flip(&State::exitPrint)},
      {"Ctrl+K again", key(Qt::Key_K, Qt::ControlModifier), flip(&State::exitPrint)},
      {"key S", key(Qt::Key_S), flip(&State::echo)},
      {"key /", key(Qt::Key_Slash), flip(&State::clicks)},
      {"right click without clicks", click(canvas, Qt::RightButton, right), nothing},
      {"key / again", key(Qt::Key_Slash), flip(&State::clicks)},
      {"left click", click(canvas, Qt::LeftButton, right), flip(&State::penUp)},
      {"a stroke", move(right + QPoint(40, 20)), nothing,
       drawnAt({right + QPoint(40, 20), centre * 2 - right - QPoint(40, 20)})},
      {"left click again", click(canvas, Qt::LeftButton, right), flip(&State::penUp)},
      {"a move to the clear", move(clear), nothing},
      {"key Escape", [&] { return beforeFill = s.oracles->picture(), key(Qt::Key_Escape)(); },
       nothing, drawnAt({clear, {5, 300}, centre * 2 - clear})},
      {"a move to the loaded picture", move(cyan), nothing},
      {"middle click", click(canvas, Qt::MiddleButton, cyan), [](State& t) { t.fore = 0x808000; }},
      {"a move back", move(clear), nothing},
      {"space", key(Qt::Key_Space), [](State& t) { t.fore = packColour(128, 64, 255); }},
      {"Backspace", key(Qt::Key_Backspace), nothing, as(&beforeFill)},
      {"Ctrl+Z", key(Qt::Key_Z, Qt::ControlModifier), nothing, changed},
      {"Ctrl+Y", key(Qt::Key_Y, Qt::ControlModifier), nothing, as(&beforeFill)},
      {"Ctrl+Z again", key(Qt::Key_Z, Qt::ControlModifier), nothing, changed},
      {"Ctrl+Shift+Z", key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier), nothing,
       as(&beforeFill)},
      {"key K", key(Qt::Key_K), [](State& t) { t.kind = int(Symmetry::Kind::Kaleidoscope); }},
      {"key T", key(Qt::Key_T), [](State& t) { t.kind = int(Symmetry::Kind::Spin); }},
      {"key +", key(Qt::Key_Plus), [](State& t) { ++t.order; }},
      {"key =", key(Qt::Key_Equal), [](State& t) { ++t.order; }},
      {"key -", key(Qt::Key_Minus), [](State& t) { --t.order; }},
      {"key C again", key(Qt::Key_C), [&](State& t) { t.centre = pixelOf(clear); }},
      {"key H", key(Qt::Key_H), [](State& t) { t.centre.reset(); }},
      {"key R", key(Qt::Key_R), flip(&State::rainbow)},
      {"key G", key(Qt::Key_G), flip(&State::guides)},
      {"right click again", click(canvas, Qt::RightButton, right),
       [](State& t) { t.panel = t.exitPrint = false; }},
  };
  rows.insert(rows.end(), more.begin(), more.end());
  for (const Row& row : rows) {
    State want = stateOf(s);
    const QImage before = s.oracles->picture();
    row.change(want);
    const auto broken = row.act();
    ASSERT_FALSE(broken) << row.what << ": " << broken.value_or("");
    EXPECT_EQ(text(stateOf(s)), text(want)) << row.what;
    EXPECT_TRUE(row.picture(before, s.oracles->picture(), stateOf(s))) << row.what;
  }
  EXPECT_FALSE(s.oracles->finish());
}
