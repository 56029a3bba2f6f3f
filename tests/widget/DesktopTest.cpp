#include <QAccessible>
#include <QKeySequence>
#include <QSet>
#include <QTranslator>

#include "app/SplashWindow.h"
#include "l10n/Translations.h"
#include "widget/WindowFixture.h"

// Each language's captions fit their buttons and the title its label, and no two buttons share
// a mnemonic (Alt+letter is one shortcut for the whole window).
TEST(Languages, CaptionsFitAndMnemonicsAreUnique) {
  for (const QString language : {"en", "de", "fr", "es"}) {
    installTranslations(*qApp, language);
    FakePlatform platform;
    MainWindow window(platform, 96);
    const PanelWidgets& panel = window.panel();
    EXPECT_EQ(panel.CmdFill->text() == QStringLiteral("F&ill"), language == QStringLiteral("en"));
    QSet<int> mnemonics;
    for (FaceButton* b : window.findChildren<FaceButton*>()) {
      EXPECT_LE(b->fontMetrics().size(Qt::TextShowMnemonic, b->text()).width(), b->width() - 4)
          << qPrintable(language + QLatin1Char(' ') + b->objectName());  // inside the bevel
      if (!b->text().contains(QLatin1Char('&'))) continue;
      mnemonics.insert(QKeySequence::mnemonic(b->text())[0].toCombined());
    }
    EXPECT_EQ(mnemonics.size(), 9) << qPrintable(language);
    EXPECT_LE(panel.Label1->fontMetrics().horizontalAdvance(panel.Label1->text()),
              panel.Label1->width())
        << qPrintable(language);
    for (QTranslator* t : qApp->findChildren<QTranslator*>()) {
      QCoreApplication::removeTranslator(t);
      delete t;
    }
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
  EXPECT_EQ(splashReached.size(), 4);  // the window and its three labels

  const auto checked = [](QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->state().checked;
  };
  EXPECT_TRUE(checked(panel.sty[0]) && checked(panel.th[1]));
  EXPECT_FALSE(checked(panel.sty[1]) || checked(panel.cmdColorBar));  // the bar shows a colour
  QAccessible::queryAccessibleInterface(panel.th[5])
      ->actionInterface()
      ->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(checked(panel.th[5]));
  EXPECT_FALSE(checked(panel.th[1]));
  EXPECT_EQ(QAccessible::queryAccessibleInterface(panel.CmdFill)->text(QAccessible::Name), "Fill");
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

  for (int i = 0; i < 6; ++i) typeOnFocus(Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), panel.cmdColorBar);
  typeOnFocus(Qt::Key_Return);
  EXPECT_NE(panel.cmdColorBar->face(), QColor(255, 0, 0));  // a random drawing colour

  typeOnFocus(Qt::Key_Space);  // back on the canvas: Space takes the colour under the pointer
  EXPECT_EQ(panel.cmdColorBar->face(), QColor(Qt::white));
}
