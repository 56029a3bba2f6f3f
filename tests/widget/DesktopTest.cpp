#include <QAccessible>
#include <QTranslator>

#include "l10n/Translations.h"
#include "widget/WindowFixture.h"

// Each language's captions fit their buttons and the titles their labels, and no two buttons
// share a mnemonic (Alt+letter is one shortcut for the whole window).
TEST(Languages, CaptionsFitAndMnemonicsAreUnique) {
  for (const QString language : {"en", "de", "fr", "es"}) {
    installTranslations(*qApp, language);
    FakePlatform platform;
    MainWindow window(platform, 96);
    const PanelWidgets& panel = window.panel();
    EXPECT_EQ(panel.CmdFill->text() == "F&ill", language == "en");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel") == "Cancel",  // Qt's own
              language == "en");
    QSet<int> mnemonics;
    for (FaceButton* b : window.findChildren<FaceButton*>()) {
      EXPECT_LE(b->fontMetrics().size(Qt::TextShowMnemonic, b->text()).width(), b->width() - 4)
          << qPrintable(language + QLatin1Char(' ') + b->objectName());  // inside the bevel
      mnemonics.insert(QKeySequence::mnemonic(b->text())[0].toCombined());
    }
    EXPECT_EQ(mnemonics.size(), 10) << qPrintable(language);  // nine, and none for the rest
    const SplashWindow splash(0, 96);
    const QList<QLabel*> titles = splash.findChildren<QLabel*>() << panel.Label1;
    for (const QLabel* l : titles)
      EXPECT_LE(l->fontMetrics().size(0, l->text()).width(), l->width()) << qPrintable(l->text());
    qDeleteAll(qApp->findChildren<QTranslator*>());  // each removes itself from the application
  }
}

using AccessibilityTest = WindowTest;

// Assistive tools press and read marks; Tab walks the shown panel; Space or Enter presses like a
// click and leaves the keyboard on the panel; F10 (Shift+F10, Menu) shows the panel with the
// keyboard on its first control, and hides it with the keyboard on the canvas.
TEST_F(AccessibilityTest, ControlsArePressedAndMarkedAndTheKeyboardReturnsToTheCanvas) {
  tap(Qt::RightButton);
  const auto a11y = [](QWidget* w) { return QAccessible::queryAccessibleInterface(w); };
  const auto checked = [&](QWidget* w) { return a11y(w)->state().checked; };
  EXPECT_FALSE(checked(panel.cmdColorBar));  // the bar shows a colour, no mark
  a11y(panel.th[5])->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(checked(panel.th[5]) && !checked(panel.th[1]));
  EXPECT_EQ(a11y(panel.CmdFill)->text(QAccessible::Name), "Fill");

  for (int i = 0; i < 4; ++i) type(Qt::Key_Tab);  // past the colour, and the first two styles
  ASSERT_EQ(QApplication::focusWidget(), panel.sty[1]);
  type(Qt::Key_Space);
  EXPECT_TRUE(k.StyIndex == 1 && QApplication::focusWidget() == panel.sty[1]);
  for (int i = 0; i < 2; ++i) type(Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), panel.cmdColorBar);
  type(Qt::Key_Return);
  EXPECT_NE(panel.cmdColorBar->face(), QColor(255, 0, 0));  // a random drawing colour
  type(Qt::Key_F10);
  EXPECT_TRUE(panelIs(false) && QApplication::focusWidget() == canvas);
  type(Qt::Key_Space);  // back on the canvas: Space takes the colour under the pointer
  EXPECT_EQ(panel.cmdColorBar->face(), QColor(Qt::white));

  for (const QKeyCombination key : {Qt::Key_F10 | Qt::NoModifier, Qt::Key_F10 | Qt::ShiftModifier,
                                    Qt::Key_Menu | Qt::NoModifier}) {
    type(key.key(), key.keyboardModifiers());
    EXPECT_TRUE(panelIs(true) && QApplication::focusWidget() == panel.CmdSetForeColor);
    // Tab walks the panel as it reads, row by row from the top left, and the title last.
    QPoint last(-1, -1);
    for (int i = 0; i < 60 && QApplication::focusWidget() != panel.Label1; ++i) {
      const QPoint at = QApplication::focusWidget()->mapTo(&window, QPoint());
      EXPECT_TRUE(at.y() > last.y() + 4 || (at.y() >= last.y() - 4 && at.x() > last.x()))
          << qPrintable(QApplication::focusWidget()->objectName());
      last = at;
      type(Qt::Key_Tab);
    }
    type(Qt::Key_Space);  // the title is the echo's switch
    EXPECT_TRUE(k.EchoOn && checked(panel.Label1) && QApplication::focusWidget() == panel.Label1);
    type(Qt::Key_Return);
    type(key.key(), key.keyboardModifiers());
    EXPECT_TRUE(panelIs(false) && !k.EchoOn && QApplication::focusWidget() == canvas);
  }
}
