#include <gtest/gtest.h>

#include <QTimer>
#include <chrono>
#include <functional>
#include <map>
#include <random>

#include "app/PatternChooser.h"
#include "canvas/Numbers.h"
#include "widget/WindowFixture.h"

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
    {Qt::Key_BracketRight, {}},
    {Qt::Key_BracketLeft, {}},
    {Qt::Key_Comma, {}},
    {Qt::Key_P, {}},
};
constexpr int KeyCount = int(std::size(Keys));
constexpr int Clickables = 45;  // as many as RandomUser::controls lists
const int Dialogs[] = {24, 25, 26, 27, 29, 30, 30, 30, 31};  // their places in that list
const Colour Answers[] = {0x0000ff, 0x00ff00, 0x804020, White, Black};

std::string describe(const Action& a) {
  const char* kinds[] = {"move", "press", "key", "control", "undo-redo"};
  return std::string(kinds[a.kind]) + "(" + std::to_string(a.a) + "," + std::to_string(a.b) + ")";
}

// A user at work on an 800 × 600 screen: each action is done as the user does it, through the
// window, and checked.
class RandomUser : public Session {
 public:
  RandomUser() : Session({800, 600}) {
    QImage small(300, 200, QImage::Format_RGB32);
    small.fill(Qt::darkCyan);
    QPainter(&small).fillRect(40, 40, 100, 60, Qt::magenta);
    small.save(dir.filePath("small.png"));
    files.push_back(dir.filePath("small.png"));
  }

  std::optional<std::string> perform(const Action& a) {
    const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
    QWidget* under = window.childAt(pointer);
    switch (a.kind) {
      case Action::Move:
        return moveTo(pointer = {a.a % 800, a.b % 600});
      case Action::Press:
        return press(under ? under : &window, buttons[a.a % 3],
                     (under ? under : &window)->mapFrom(&window, pointer));
      case Action::Key:
        return key(Keys[a.a % KeyCount].key, Keys[a.a % KeyCount].modifiers);
      case Action::UndoRedo:
        return oracles.undoRedo(a.a % 6 + 1, a.b % 2);
      case Action::Control:
        return control(a.a, a.b);
    }
    return std::nullopt;
  }

 private:
  std::vector<QWidget*> controls() const {
    const SymmetryStrip& s = *window.symmetryStrip();
    std::vector<QWidget*> all(panel.th.begin(), panel.th.end());
    all.insert(all.end(), panel.sty.begin(), panel.sty.end());
    all.insert(all.end(), panel.polyg.begin(), panel.polyg.end());
    all.insert(all.end(), panel.mir.begin(), panel.mir.end());
    all.insert(all.end(),
               {panel.CmdFill,     panel.CmdGradient, panel.CmdSetForeColor, panel.CmdSetBackColor,
                panel.cmdColorBar, panel.cmdColorBar, panel.CmdFrame,        panel.cmdOpen,
                panel.CmdSave,     panel.CmdPrint,    panel.Label1,          panel.ScrollSize,
                panel.txtRed,      panel.txtGreen,    panel.txtBlue,         s.cmdSpin,
                s.cmdKaleidoscope, s.cmdOrderDown,    s.cmdOrderUp,          s.cmdRainbow,
                s.cmdGuides,       s.cmdCentre,       panel.cmdColorBar});
    return all;
  }

  // A hidden control is reached as a user reaches it: a right click shows the panel first. The
  // dialogs answer from `answer`: colours, a file saved before, a new name with or without an
  // ending and either filter, or a cancel.
  std::optional<std::string> control(int which, int answer) {
    const std::vector<QWidget*> all = controls();
    const std::size_t i = std::size_t(which) % all.size();
    QWidget* w = all[i];
    if (!w->isVisible()) {
      if (auto broken = press(canvas, Qt::RightButton, pointer)) return broken;
      if (!w->isVisible()) return std::nullopt;
    }
    const float random = float(answer % 7) / 6.f;
    platform.randoms = {random, 1 - random, random / 2};
    platform.colourAnswers = {answer % 6 == 5 ? std::nullopt : std::optional(Answers[answer % 6])};
    platform.openAnswers = {files[std::size_t(answer) % files.size()]};
    platform.saveAnswers.clear();
    if (w == panel.CmdSave && answer % 7 != 5) {  // 6: into a folder that is not there
      const char* endings[] = {".bmp", ".png", "", ".PNG", "", "", ".png"};
      const int filters[] = {1, 0, 1, 0, 0, 0, 0};  // 1: the PNG filter
      const QString folder = answer % 7 == 6 ? QStringLiteral("missing/") : QString();
      files.push_back(dir.filePath(folder + QStringLiteral("saved%1").arg(files.size())) +
                      endings[answer % 7]);
      platform.saveAnswers = {FileChoice(files.back(), filters[answer % 7])};
    }
    // The colour bar's second entry is its right button, its last its middle one.
    const Qt::MouseButton button = i + 1 == all.size()        ? Qt::MiddleButton
                                   : i > 0 && all[i - 1] == w ? Qt::RightButton
                                                              : Qt::LeftButton;
    const QPoint at =
        w == panel.ScrollSize ? QPoint(answer % 2 ? w->width() - 30 : 30, 4) : QPoint();
    if (auto broken = press(w, button, at)) return broken;
    if (!qobject_cast<StepBox*>(w)) return std::nullopt;
    const char* typed[] = {"7", "x", "2000", "-3"};
    QTest::keyClicks(w, typed[answer % 4]);
    return oracles.after();
  }

  QTemporaryDir dir;
  std::vector<QString> files;
  QPoint pointer{400, 300};
};

// The index of the first action that breaks a rule, and the rule; none when all hold.
std::optional<std::pair<std::size_t, std::string>> runActions(const std::vector<Action>& list) {
  RandomUser user;
  for (std::size_t i = 0; i < list.size(); ++i)
    if (auto broken = user.perform(list[i])) return std::pair{i, *broken};
  if (auto broken = user.oracles.finish()) return std::pair{list.size(), *broken};
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
    else if (roll < 83)
      list.push_back({Action::Control, pick(Clickables), pick(60)});
    else if (roll < 93)  // the controls with dialogs, Save most: names decide the format
      list.push_back({Action::Control, Dialogs[pick(int(std::size(Dialogs)))], pick(60)});
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
  // KALYRA_ORACLE_SHRINK=0 skips the search, where only whether it fails counts.
  const bool search = qEnvironmentVariable("KALYRA_ORACLE_SHRINK") != "0";
  std::string shortest;
  for (const Action& a : search ? shrink(list, broken->first) : shrink({}, 0))
    shortest += describe(a) + " ";
  ADD_FAILURE() << broken->second << " after action " << broken->first << " of the run with seed "
                << seed << "; the shortest list that still fails: " << shortest;
}

namespace {

// The program's state a control or key may change, besides the picture.
using State = std::map<std::string, int>;
State stateOf(Session& s) {
  const Kalyra& k = s.k;
  const std::optional<QPoint> centre = k.symmetry.movedCentre();
  return {{"thickness", k.Thickness},
          {"style", k.DrawStyle},
          {"sides", k.PolySides},
          {"mirror", k.MirrorMode},
          {"kind", int(k.symmetry.kind())},
          {"order", k.symmetry.order()},
          {"size", k.BrushSize},
          {"rainbow", k.symmetry.rainbow},
          {"guides", k.symmetry.guides},
          {"fill", k.FillMode},
          {"gradient", k.GradientOn},
          {"echo", k.EchoOn},
          {"clicks", k.ClicksOn},
          {"penUp", k.PenUp},
          {"panel", s.panel.MainFrame->isVisible()},
          {"exitPrint", s.panel.CmdExit->isVisible()},
          {"saved", k.history.isSaved(s.window.surface())},
          {"centreX", centre ? centre->x() : -1},
          {"centreY", centre ? centre->y() : -1},
          {"fore", s.window.surface().ForeColor},
          {"back", s.window.surface().BackColor()},
          {"printed", int(s.platform.printed.size())},
          {"pattern", k.symmetry.pattern().index()},
          {"cell", k.symmetry.pattern().cell().width()},
          {"cellHeight", k.symmetry.pattern().cell().height()}};
}

using Picture = std::function<bool(const QImage& before, const QImage& after, State&)>;
bool same(const QImage& before, const QImage& after, State&) {
  return before == after;
}
bool changed(const QImage& before, const QImage& after, State&) {
  return before != after;
}
bool plain(const QImage&, const QImage& after, State& s) {
  QImage back(after.size(), QImage::Format_RGB32);
  back.fill(toQRgb(s["back"]));
  return after == back;
}
Picture drawnAt(std::vector<QPoint> points) {
  return [points](const QImage&, const QImage& after, State& s) {
    return std::ranges::all_of(points,
                               [&](QPoint p) { return after.pixel(p) == toQRgb(s["fore"]); });
  };
}
Picture as(const QImage* expected) {
  return [expected](const QImage&, const QImage& after, State&) { return after == *expected; };
}
std::function<void(State&)> set(std::map<std::string, int> values) {
  return [values](State& t) {
    for (const auto& [name, value] : values) t[name] = value;
  };
}
std::function<void(State&)> flip(std::string name) {
  return [name](State& t) { t[name] = !t[name]; };
}

}  // namespace

// Every control of the panel and the strip, every key and mouse button on the canvas, each
// pressed through the window as a user does, with what it must change; everything else stays
// as it was, and the rules of the random run hold after each.
TEST(Oracles, EveryControlAndKeyChangesWhatItMustAndNothingElse) {
  Session s({800, 600});
  const PanelWidgets& p = s.panel;
  const SymmetryStrip& strip = *s.window.symmetryStrip();
  CanvasWidget* canvas = s.canvas;
  QTemporaryDir dir;
  struct Row {
    std::string what;
    std::function<std::optional<std::string>()> act;
    std::function<void(State&)> change;
    Picture picture = same;
  };
  const auto click = [&s](QWidget* w, Qt::MouseButton b = Qt::LeftButton, QPoint at = {}) {
    return [&s, w, b, at] { return s.press(w, b, at); };
  };
  const auto key = [&s](Qt::Key k, Qt::KeyboardModifiers m = {}) {
    return [&s, k, m] { return s.key(k, m); };
  };
  const auto move = [&s](QPoint to) { return [&s, to] { return s.moveTo(to); }; };
  // The action `n` times, stopping at the first rule broken.
  const auto times = [](int n, std::function<std::optional<std::string>()> act) {
    return [n, act] {
      std::optional<std::string> broken;
      for (int i = 0; i < n && !broken; ++i) broken = act();
      return broken;
    };
  };
  const auto answer = [&s](auto act, auto setUp) {
    return [&s, act, setUp] { return setUp(s.platform), act(); };
  };
  const auto nothing = [](State&) {};
  const auto pixelOf = [&](QPoint p) {  // in whole units of the pointer, as the program keeps it
    const QPointF units = canvas->toUnits(p);
    return s.window.surface().toPixel(toInt16(units.x()), toInt16(units.y()));
  };
  const QPoint left{500, 200}, right{700, 400}, clear{600, 150}, cyan{285, 100};
  const QPoint centre = s.window.surface().toPixel(0, 0), stroke = right + QPoint(40, 20);
  const PatternChooser& chooser = *s.window.patternChooser();
  const int spin = int(Symmetry::Kind::Spin), kaleidoscope = int(Symmetry::Kind::Kaleidoscope),
            pattern = int(Symmetry::Kind::Pattern);
  QImage loaded(300, 200, QImage::Format_RGB32), beforeFill;
  loaded.fill(Qt::darkCyan);
  loaded.save(dir.filePath("table.png"));
  std::vector<Row> rows = {
      {"right click", click(canvas, Qt::RightButton, left), set({{"panel", 1}, {"exitPrint", 1}})}};
  for (int i = 0; i < 8; ++i) {
    rows.push_back(
        {"pen width " + std::to_string(i), click(p.th[i]), set({{"thickness", 2 * i + 1}})});
    rows.push_back(
        {"polygon " + std::to_string(i), click(p.polyg[i]), set({{"style", 3}, {"sides", i + 3}})});
  }
  for (int i = 2; i >= 0; --i) {
    rows.push_back({"style " + std::to_string(i), click(p.sty[i]), set({{"style", i}})});
    rows.push_back({"mirror " + std::to_string(i), click(p.mir[i]), set({{"mirror", i}})});
  }
  const auto randoms = [](float r, float g, float b) {
    return [r, g, b](FakePlatform& f) { f.randoms = {r, g, b}; };
  };
  // A loaded picture sits at the top left over the canvas colour; the canvas colour, set in any
  // way, clears it.
  const auto load = answer(click(p.cmdOpen),
                           [&](FakePlatform& f) { f.openAnswers = {dir.filePath("table.png")}; });
  const auto loadedOver = [&](Colour back) -> Picture {
    return [&, back](const QImage&, const QImage& after, State&) {
      return after.copy(0, 0, 300, 200) == loaded && after.pixel(400, 300) == toQRgb(back);
    };
  };
  const auto colour = [](Colour c) { return [c](FakePlatform& f) { f.colourAnswers = {c}; }; };
  const std::vector<Row> more = {
      {"fill", click(p.CmdFill), flip("fill")},
      {"fill again", click(p.CmdFill), flip("fill")},
      {"gradient", click(p.CmdGradient), flip("gradient")},
      {"gradient again", click(p.CmdGradient), flip("gradient")},
      {"title", click(p.Label1), flip("echo")},
      {"size bar", click(p.ScrollSize, Qt::LeftButton, {p.ScrollSize->width() - 30, 4}),
       set({{"size", 11}})},
      {"drawing colour", answer(click(p.CmdSetForeColor), colour(0x0000ff)),
       set({{"fore", 0x0000ff}})},
      {"colour bar", answer(click(p.cmdColorBar), randoms(0.5f, 0.25f, 0.999f)),
       set({{"fore", packColour(128, 64, 255)}})},
      {"load over white", load, set({{"saved", 0}}), loadedOver(White)},
      {"colour bar, right",
       answer(click(p.cmdColorBar, Qt::RightButton), randoms(0.1f, 0.2f, 0.3f)),
       set({{"back", packColour(25, 51, 76)}}), plain},
      {"colour bar, middle", click(p.cmdColorBar, Qt::MiddleButton), nothing},
      {"load again", load, nothing, loadedOver(packColour(25, 51, 76))},
      {"canvas colour", answer(click(p.CmdSetBackColor), colour(0x00ff00)),
       set({{"back", 0x00ff00}}), plain},
      {"frame", click(p.CmdFrame), nothing,
       drawnAt({{0, 0}, {799, 599}, {2, 300}, {797, 300}, {400, 2}, {400, 597}})},
      {"save",
       answer(click(p.CmdSave),
              [&](FakePlatform& f) { f.saveAnswers = {FileChoice(dir.filePath("saved.bmp"))}; }),
       set({{"saved", 1}})},
      {"load", load, set({{"saved", 0}}), loadedOver(0x00ff00)},
      {"print", click(p.CmdPrint), [](State& t) { ++t["printed"]; }},
      {"spin", click(strip.cmdSpin), set({{"kind", spin}})},
      {"spin again", click(strip.cmdSpin), set({{"kind", 0}})},
      {"kaleidoscope", click(strip.cmdKaleidoscope), set({{"kind", kaleidoscope}})},
      {"order up", click(strip.cmdOrderUp), set({{"order", 7}})},
      {"order down", click(strip.cmdOrderDown), set({{"order", 6}})},
      {"order down past the least", times(5, click(strip.cmdOrderDown)), set({{"order", 2}})},
      {"order up past the most", times(31, click(strip.cmdOrderUp)), set({{"order", 32}})},
      {"order down again", times(26, click(strip.cmdOrderDown)), set({{"order", 6}})},
      {"rainbow", click(strip.cmdRainbow), flip("rainbow")},
      {"rainbow again", click(strip.cmdRainbow), flip("rainbow")},
      {"guides", click(strip.cmdGuides), flip("guides")},
      {"mirror 1", click(p.mir[1]), set({{"mirror", 1}, {"kind", 0}})},
      {"move", move(right), nothing},
      {"key C", key(Qt::Key_C),
       set({{"centreX", pixelOf(right).x()}, {"centreY", pixelOf(right).y()}})},
      {"centre", click(strip.cmdCentre), set({{"centreX", -1}, {"centreY", -1}})},
      {"Ctrl+K", key(Qt::Key_K, Qt::ControlModifier), flip("exitPrint")},
      {"Ctrl+K again", key(Qt::Key_K, Qt::ControlModifier), flip("exitPrint")},
      {"key S", key(Qt::Key_S), flip("echo")},
      {"key /", key(Qt::Key_Slash), flip("clicks")},
      {"right click without clicks", click(canvas, Qt::RightButton, right), nothing},
      {"key / again", key(Qt::Key_Slash), flip("clicks")},
      {"left click", click(canvas, Qt::LeftButton, right), flip("penUp")},
      {"a stroke", move(stroke), nothing, drawnAt({stroke, centre * 2 - stroke})},
      {"left click again", click(canvas, Qt::LeftButton, right), flip("penUp")},
      {"left click once more", click(canvas, Qt::LeftButton, right), flip("penUp")},
      {"Ctrl+Y while drawing", key(Qt::Key_Y, Qt::ControlModifier), flip("penUp")},
      {"a move to the clear", move(clear), nothing},
      {"key Escape", [&] { return beforeFill = s.oracles.picture(), s.key(Qt::Key_Escape); },
       nothing, drawnAt({clear, {5, 300}, centre * 2 - clear})},
      {"a move to the loaded picture", move(cyan), nothing},
      {"middle click", click(canvas, Qt::MiddleButton, cyan), set({{"fore", 0x808000}})},
      {"a move back", move(clear), nothing},
      {"space", key(Qt::Key_Space), set({{"fore", packColour(128, 64, 255)}})},
      {"Backspace", key(Qt::Key_Backspace), nothing, as(&beforeFill)},
      {"Ctrl+Z", key(Qt::Key_Z, Qt::ControlModifier), nothing, changed},
      {"Ctrl+Y", key(Qt::Key_Y, Qt::ControlModifier), nothing, as(&beforeFill)},
      {"Ctrl+Z again", key(Qt::Key_Z, Qt::ControlModifier), nothing, changed},
      {"Ctrl+Shift+Z", key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier), nothing,
       as(&beforeFill)},
      {"key K", key(Qt::Key_K), set({{"kind", kaleidoscope}})},
      {"key T", key(Qt::Key_T), set({{"kind", spin}})},
      {"key +", key(Qt::Key_Plus), set({{"order", 7}})},
      {"key =", key(Qt::Key_Equal), set({{"order", 8}})},
      {"key -", key(Qt::Key_Minus), set({{"order", 7}})},
      {"key C again", key(Qt::Key_C),
       set({{"centreX", pixelOf(clear).x()}, {"centreY", pixelOf(clear).y()}})},
      {"key H", key(Qt::Key_H), set({{"centreX", -1}, {"centreY", -1}})},
      {"key R", key(Qt::Key_R), flip("rainbow")},
      {"key G", key(Qt::Key_G), flip("guides")},
      {"key ]", key(Qt::Key_BracketRight), set({{"kind", pattern}})},  // p4m, the last chosen
      {"key ] again", key(Qt::Key_BracketRight), set({{"pattern", 18}})},
      {"key [", key(Qt::Key_BracketLeft), set({{"pattern", 17}})},
      {"pattern pm", click(chooser.cmdPattern[9]), set({{"pattern", 9}, {"cellHeight", 48}})},
      {"key .", key(Qt::Key_Period), set({{"cell", 80}, {"cellHeight", 60}})},
      {"key '", key(Qt::Key_Apostrophe), set({{"cellHeight", 72}})},
      {"cell down", click(chooser.cmdCellDown), set({{"cell", 64}, {"cellHeight", 58}})},
      {"taller", click(chooser.cmdTaller), set({{"cellHeight", 70}})},
      {"key ;", key(Qt::Key_Semicolon), set({{"cellHeight", 58}})},
      {"flatter", click(chooser.cmdFlatter), set({{"cellHeight", 48}})},
      {"cell up", click(chooser.cmdCellUp), set({{"cell", 80}, {"cellHeight", 60}})},
      {"key ,", key(Qt::Key_Comma), set({{"cell", 64}, {"cellHeight", 48}})},
      {"the first frieze", click(chooser.cmdPattern[0]), set({{"pattern", 0}, {"cellHeight", 64}})},
      {"key [ from the first", key(Qt::Key_BracketLeft), set({{"pattern", 23}})},
      {"pattern pm again", click(chooser.cmdPattern[9]), set({{"pattern", 9}, {"cellHeight", 48}})},
      {"pattern pm once more", click(chooser.cmdPattern[9]), set({{"kind", 0}})},
      {"key P", key(Qt::Key_P), set({{"kind", pattern}})},
      {"key P again", key(Qt::Key_P), set({{"kind", 0}})},
      {"right click again", click(canvas, Qt::RightButton, right),
       set({{"panel", 0}, {"exitPrint", 0}})},
  };
  rows.insert(rows.end(), more.begin(), more.end());
  for (const Row& row : rows) {
    State want = stateOf(s);
    const QImage before = s.oracles.picture();
    row.change(want);
    const auto broken = row.act();
    ASSERT_FALSE(broken) << row.what << ": " << broken.value_or("");
    State now = stateOf(s);
    EXPECT_EQ(now, want) << row.what;
    EXPECT_TRUE(row.picture(before, s.oracles.picture(), now)) << row.what;
  }
  EXPECT_FALSE(s.oracles.finish());
}
