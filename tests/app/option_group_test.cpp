// The nine Category options as the user sees and works them: their colours on the screen,
// whatever the style, and the arrow keys within the group.
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <functional>
#include <map>
#include <memory>

#include "catalog/code_lists.h"
#include "tests/app/window_fixture.h"

namespace quenmar::testing {
namespace {

constexpr QRgb kLightOrange = qRgb(255, 192, 128);

std::vector<QRadioButton*> optionsInTabOrder(const frmEcd& w) {
  return {w.optCobol, w.optMvs, w.optJcl,  w.optVsam, w.optDb2,
          w.optCics,  w.optIms, w.optIdms, w.optRexx};
}

// Maroon text is drawn with smoothed edges; the inside of a bold stroke keeps the colour.
bool maroon(QRgb pixel) {
  return qAbs(qRed(pixel) - 128) <= 8 && qGreen(pixel) <= 8 && qBlue(pixel) <= 8;
}

// The application's style is swapped for the length of one test and put back after it.
class StyleScope {
 public:
  explicit StyleScope(const QString& name) : previous_(QApplication::style()->name()) {
    QApplication::setStyle(QStyleFactory::create(name));
  }
  ~StyleScope() { QApplication::setStyle(QStyleFactory::create(previous_)); }
  StyleScope(const StyleScope&) = delete;
  StyleScope& operator=(const StyleScope&) = delete;

 private:
  QString previous_;
};

// Every style the platform offers paints the options in the frame's light orange with maroon
// captions: a button fills with the Button role, which styles keep in their own grey. The
// pixels are read from a grab of the shown window, as they reach the screen.
TEST(OptionLook, OptionsShowTheFramesColourAndMaroonCaptionsInEveryStyle) {
  const QStringList styles = QStyleFactory::keys();
  ASSERT_FALSE(styles.isEmpty());
  for (const QString& style : styles) {
    const StyleScope scope(style);
    RecordingDesktop desktop;
    frmEcd window(desktop);
    window.show();
    QApplication::processEvents();
    const QImage shot = window.grab().toImage();
    const QPoint frame = window.Frame1->pos();
    for (QRadioButton* option : optionsInTabOrder(window)) {
      const std::string where = style.toStdString() + " " + option->objectName().toStdString();
      const QRect box = option->geometry().translated(frame);
      // The box's top and bottom rows and its right-hand column hold neither the indicator
      // nor the caption: nothing but the background shows there.
      int wrong = 0;
      for (int x = box.left(); x <= box.right(); ++x) {
        wrong += shot.pixel(x, box.top()) != kLightOrange ? 1 : 0;
        wrong += shot.pixel(x, box.bottom()) != kLightOrange ? 1 : 0;
      }
      for (int y = box.top(); y <= box.bottom(); ++y) {
        wrong += shot.pixel(box.right(), y) != kLightOrange ? 1 : 0;
      }
      EXPECT_EQ(wrong, 0) << where;
      int caption = 0;
      for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
          caption += maroon(shot.pixel(x, y)) ? 1 : 0;
        }
      }
      EXPECT_GT(caption, 10) << where;
    }

    // REXX's place reaches the frame's right edge: the border still shows beside it as it
    // does a little lower, where nothing lies over it.
    const QRect rexx = window.optRexx->geometry().translated(frame);
    const int below = rexx.bottom() + 8;
    ASSERT_LT(below, window.lbldb2->geometry().translated(frame).top());
    bool border = false;
    for (int edge = frame.x() + window.Frame1->width() - 2;
         edge < frame.x() + window.Frame1->width(); ++edge) {
      border = border || shot.pixel(edge, below) != kLightOrange;
      for (int y = rexx.top(); y <= rexx.bottom(); ++y) {
        EXPECT_EQ(shot.pixel(edge, y), shot.pixel(edge, below))
            << style.toStdString() << " " << edge << "," << y;
      }
    }
    EXPECT_TRUE(border) << style.toStdString();
    // No box stands out from the frame: one pixel round each, inside the border and wherever
    // no other control lies (COBOL's taller box reaches into the next row), the frame's colour
    // goes on.
    const auto covered = [&](QPoint p) {
      for (QWidget* child :
           window.Frame1->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isVisible() && child->geometry().translated(frame).contains(p)) {
          return true;
        }
      }
      return false;
    };
    const QRect inside = window.Frame1->geometry().adjusted(2, 2, -2, -2);
    for (QRadioButton* option : optionsInTabOrder(window)) {
      const QRect ring = option->geometry().translated(frame).adjusted(-1, -1, 1, 1);
      int wrong = 0;
      for (int x = ring.left(); x <= ring.right(); ++x) {
        for (int y = ring.top(); y <= ring.bottom(); ++y) {
          const bool onRing =
              x == ring.left() || x == ring.right() || y == ring.top() || y == ring.bottom();
          if (onRing && inside.contains(x, y) && !covered({x, y}) &&
              shot.pixel(x, y) != kLightOrange) {
            ++wrong;
          }
        }
      }
      EXPECT_EQ(wrong, 0) << style.toStdString() << " " << option->objectName().toStdString();
    }
  }
}

class OptionArrows : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    for (QRadioButton* option : optionsInTabOrder(*window)) {
      QObject::connect(option, &QRadioButton::toggled,
                       [this, option](bool set) { runs[option] += set ? 1 : 0; });
    }
  }

  // Presses the key where the keyboard focus is, as the user does.
  void press(Qt::Key key) {
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    QTest::keyClick(focused, key);
  }

  // The Category on screen is the one of the option that is set.
  void expectCategoryOf(QRadioButton* option) {
    const std::string where = option->objectName().toStdString();
    const std::map<QRadioButton*, std::size_t> mainListItems = {
        {window->optCobol, catalog::cobol::codeList().size()},
        {window->optMvs, catalog::mvs::codeList().size()},
        {window->optJcl, catalog::jcl::utilityList().size()},
        {window->optDb2, catalog::db2::sqlErrorList().size()},
        {window->optCics, catalog::cics::codeList().size()},
        {window->optIms, catalog::ims::dliStatusList().size()},
        {window->optRexx, catalog::rexx::codeList().size()},
    };
    const auto listed = mainListItems.find(option);
    if (listed != mainListItems.end()) {
      EXPECT_EQ(std::size_t(window->cmbCode->count()), listed->second) << where;
      EXPECT_TRUE(window->cmbCode->isVisibleTo(window.get())) << where;
    } else {
      EXPECT_FALSE(window->cmbCode->isVisibleTo(window.get())) << where;
    }
    EXPECT_EQ(window->lstIdms1->isVisibleTo(window.get()), option == window->optIdms) << where;
    EXPECT_EQ(window->sclst->isVisibleTo(window.get()), option == window->optVsam) << where;
  }

  // Presses `key` nine times from COBOL; `step` tells which option the n-th press must reach.
  void walk(Qt::Key key, const std::function<std::size_t(std::size_t)>& step) {
    const std::vector<QRadioButton*> ring = optionsInTabOrder(*window);
    chooseCategory(window->optCobol);
    window->focus().moveTo(window->optCobol);
    runs.clear();
    for (std::size_t n = 1; n <= ring.size(); ++n) {
      QRadioButton* next = ring[step(n) % ring.size()];
      press(key);
      EXPECT_TRUE(next->isChecked()) << next->objectName().toStdString();
      EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
      expectCategoryOf(next);
    }
    for (QRadioButton* option : ring) {
      EXPECT_EQ(runs[option], 1) << option->objectName().toStdString();
    }
  }

  std::map<QRadioButton*, int> runs;
};

// Right (or Down) goes through all nine options in their tab order and wraps round to COBOL;
// each step sets the option it reaches, runs its switch once and leaves the focus there.
TEST_F(OptionArrows, RightAndDownWalkAllNineInTabOrder) {
  for (Qt::Key key : {Qt::Key_Right, Qt::Key_Down}) {
    walk(key, [](std::size_t n) { return n; });
  }
}

TEST_F(OptionArrows, LeftAndUpWalkAllNineBackwards) {
  const std::size_t nine = optionsInTabOrder(*window).size();
  for (Qt::Key key : {Qt::Key_Left, Qt::Key_Up}) {
    walk(key, [nine](std::size_t n) { return nine - n; });
  }
}

// Keys other than the arrows are the option's own business: no switch runs.
TEST_F(OptionArrows, OtherKeysLeaveTheCategory) {
  chooseCategory(window->optDb2);
  window->focus().moveTo(window->optDb2);
  runs.clear();
  QTest::keyClick(window->optDb2, Qt::Key_A);
  QTest::keyClick(window->optDb2, Qt::Key_Home);
  EXPECT_TRUE(window->optDb2->isChecked());
  for (QRadioButton* option : optionsInTabOrder(*window)) {
    EXPECT_EQ(runs[option], 0) << option->objectName().toStdString();
  }
}

}  // namespace
}  // namespace quenmar::testing
