#include <QAccessible>
#include <QKeySequence>
#include <QLabel>
#include <QScrollBar>
#include <QSet>
#include <QTranslator>

#include "app/SplashWindow.h"
#include "l10n/Translations.h"
#include "widget/WindowFixture.h"

namespace {

// Speaks `language` while it lives; English again afterwards.
struct Speaking {
  explicit Speaking(const QString& language) { installTranslations(*qApp, language); }
  ~Speaking() {
    for (QTranslator* t : qApp->findChildren<QTranslator*>()) {
      QCoreApplication::removeTranslator(t);
      delete t;
    }
  }
};

QString readable(const QString& caption) {
  return QString(caption).remove(QLatin1Char('&'));
}

}  // namespace

// Each language's captions fit their buttons and the title its label, and no two buttons of
// the window share a mnemonic (Alt+letter is one shortcut for the whole window).
TEST(Languages, CaptionsFitAndMnemonicsAreUnique) {
  for (const QString language : {"en", "de", "fr", "es"}) {
    const Speaking speaking(language);
    FakePlatform platform;
    MainWindow window(platform, 96);
    const PanelWidgets& panel = window.panel();
    if (language != QStringLiteral("en")) {
      EXPECT_NE(readable(panel.CmdFill->text()), QStringLiteral("Fill")) << qPrintable(language);
      EXPECT_NE(panel.CmdFill->toolTip().left(8), QStringLiteral("Changes "))
          << qPrintable(language);
    }
    QSet<int> mnemonics;
    for (FaceButton* b : window.findChildren<FaceButton*>()) {
      const QString where = language + QLatin1Char(' ') + b->objectName();
      const int room = b->width() - 4;  // inside the bevel
      EXPECT_LE(b->fontMetrics().size(Qt::TextShowMnemonic, b->text()).width(), room)
          << qPrintable(where);
      const QKeySequence mnemonic = QKeySequence::mnemonic(b->text());
      if (mnemonic.isEmpty()) continue;
      EXPECT_FALSE(mnemonics.contains(mnemonic[0].toCombined())) << qPrintable(where);
      mnemonics.insert(mnemonic[0].toCombined());
    }
    EXPECT_EQ(mnemonics.size(), 9) << qPrintable(language);
    EXPECT_LE(panel.Label1->fontMetrics().horizontalAdvance(panel.Label1->text()),
              panel.Label1->width())
        << qPrintable(language);
  }
}

namespace {

// Every widget under `root` that assistive tools reach, with its name and description.
void walk(QAccessibleInterface* node, QSet<QObject*>& reached) {
  const QString name = node->text(QAccessible::Name);
  EXPECT_FALSE(name.isEmpty()) << qPrintable(node->object()->objectName());
  EXPECT_FALSE(node->text(QAccessible::Description).isEmpty()) << qPrintable(name);
  reached.insert(node->object());
  for (int i = 0; i < node->childCount(); ++i) walk(node->child(i), reached);
}

}  // namespace

using AccessibilityTest = WindowTest;

TEST_F(AccessibilityTest, EveryControlHasANameADescriptionAndItsMark) {
  clickCanvas(Qt::RightButton);
  QSet<QObject*> reached;
  walk(QAccessible::queryAccessibleInterface(&window), reached);
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (w->isVisible()) {
      EXPECT_TRUE(reached.contains(w)) << qPrintable(w->objectName());
    }
  }
  SplashWindow splash(3, 96);
  QSet<QObject*> splashReached;
  walk(QAccessible::queryAccessibleInterface(&splash), splashReached);
  EXPECT_EQ(splashReached.size(), 4);

  const auto checked = [](QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->state().checked;
  };
  EXPECT_TRUE(checked(panel.sty[0]));
  EXPECT_FALSE(checked(panel.sty[1]));
  EXPECT_FALSE(checked(panel.cmdColorBar));  // its face is the colour, not a mark
  QAccessibleInterface* pen = QAccessible::queryAccessibleInterface(panel.th[5]);
  EXPECT_FALSE(pen->state().checked);
  EXPECT_TRUE(pen->state().checkable);
  pen->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(k.Thickness, 11);
  EXPECT_TRUE(pen->state().checked);
  EXPECT_FALSE(checked(panel.th[1]));
  EXPECT_EQ(QAccessible::queryAccessibleInterface(panel.CmdFill)->text(QAccessible::Name),
            QStringLiteral("Fill"));
}

// Tab walks the shown panel; Space or Enter presses like a click, after which the keys are the
// canvas's again. A click never takes the keyboard from the canvas.
TEST_F(AccessibilityTest, TheKeyboardReachesThePanelWithoutTakingTheCanvasKeys) {
  clickCanvas(Qt::RightButton);
  click(panel.sty[2]);
  ASSERT_EQ(QApplication::focusWidget(), canvas);
  typeOnFocus(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), panel.CmdSetForeColor);
  for (int i = 0; i < 3; ++i) typeOnFocus(Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), panel.sty[1]);
  typeOnFocus(Qt::Key_Space);
  EXPECT_EQ(k.StyIndex, 1);
  EXPECT_EQ(QApplication::focusWidget(), canvas);

  platform.randoms = {0.5f, 0.25f, 0.75f};
  for (int i = 0; i < 6; ++i) typeOnFocus(Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), panel.cmdColorBar);
  typeOnFocus(Qt::Key_Return);
  EXPECT_NE(panel.cmdColorBar->face(), QColor(255, 0, 0));  // a random drawing colour

  typeOnFocus(Qt::Key_Space);  // back on the canvas: Space takes the colour under the pointer
  EXPECT_EQ(panel.cmdColorBar->face(), QColor(Qt::white));
}
