// The About and Help windows: their links, their close buttons, and texts that fit.
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QTextLayout>
#include <QUrl>

#include "app/focus_bridge.h"
#include "app/frmabt.h"
#include "app/frmcredit.h"
#include "app/secondary_window.h"
#include "app/web_links.h"
#include "skin/dorx_xp_button.h"
#include "skin/dorx_xp_form.h"
#include "tests/app/window_fixture.h"

namespace quenmar::testing {
namespace {

// The About and Help windows as the main window's buttons open them.
class SecondaryWindows : public WindowTest {
 protected:
  frmAbt* openAbout() {
    window->cmdAbt_Click();
    QApplication::processEvents();
    return window->aboutWindow();
  }
  frmCredit* openHelp() {
    window->cmdCred_Click();
    QApplication::processEvents();
    return window->helpWindow();
  }

  // Clicks the control twice and returns what it opened.
  std::vector<QString> clickTwice(QWidget* control) {
    desktop.addresses.clear();
    QTest::mouseClick(control, Qt::LeftButton);
    QTest::mouseClick(control, Qt::LeftButton);
    return desktop.addresses;
  }
};

// The controls that the user can reach with Tab, in the order Tab visits them.
QStringList tabOrder(QWidget* window) {
  QStringList names;
  QWidget* widget = window->nextInFocusChain();
  while (widget != window) {
    if ((widget->focusPolicy() & Qt::TabFocus) != 0 && widget->isVisibleTo(window)) {
      names << widget->objectName();
    }
    widget = widget->nextInFocusChain();
  }
  return names;
}

// How the label's own font breaks its text into lines at its width, blanks trimmed.
QStringList wrappedLines(const QLabel* label) {
  QTextLayout layout(label->text(), label->font());
  QTextOption option;
  option.setWrapMode(QTextOption::WordWrap);
  layout.setTextOption(option);
  QStringList lines;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(label->width());
    lines << label->text().mid(line.textStart(), line.textLength()).trimmed();
  }
  layout.endLayout();
  return lines;
}

TEST_F(SecondaryWindows, EveryAboutLinkOpensItsPageOncePerClick) {
  frmAbt* about = openAbout();
  ASSERT_NE(about, nullptr);
  const std::vector<QString> buy = clickTwice(about->Command2);
  EXPECT_EQ(buy, std::vector<QString>(2, links::kSalesSite));
  EXPECT_EQ(clickTwice(about->Label4), buy);  // the notice opens what BUY opens
  EXPECT_EQ(clickTwice(about->Command1), std::vector<QString>(2, links::kInstallerDownload));
}

TEST_F(SecondaryWindows, EveryHelpLinkOpensItsPageOncePerClick) {
  frmCredit* help = openHelp();
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(clickTwice(help->DorxXPButton1), std::vector<QString>(2, links::kFirstSponsor));
  EXPECT_EQ(clickTwice(help->DorxXPButton5), std::vector<QString>(2, links::kSecondSponsor));
  const std::vector<QString> forum = clickTwice(help->Label1);
  EXPECT_EQ(forum, std::vector<QString>(2, links::kForumPage));
  EXPECT_EQ(clickTwice(window->Support), forum);  // the main window's Forum button
}

TEST_F(SecondaryWindows, AddressesLieOnTheMakersDomainWhereTheirPagesAre) {
  for (const QString& address : {links::kForumPage, links::kSalesSite, links::kInstallerDownload,
                                 links::kFirstSponsor, links::kSecondSponsor}) {
    const QUrl url(address, QUrl::StrictMode);
    ASSERT_TRUE(url.isValid()) << address.toStdString();
    EXPECT_TRUE(url.host().endsWith(QStringLiteral(".kestrune.example"))) << address.toStdString();
  }
  const QUrl forum(links::kForumPage);
  const QUrl installer(links::kInstallerDownload);
  EXPECT_EQ(forum.path(), QStringLiteral("/index.php"));
  EXPECT_EQ(installer.host(), forum.host());
  EXPECT_TRUE(installer.path().startsWith(QStringLiteral("/downloads/")));
  for (const QString& home : {links::kSalesSite, links::kFirstSponsor, links::kSecondSponsor}) {
    EXPECT_EQ(QUrl(home).path(), QStringLiteral("/")) << home.toStdString();
  }
  EXPECT_NE(QUrl(links::kFirstSponsor).host(), QUrl(links::kSecondSponsor).host());
}

TEST_F(SecondaryWindows, TextsAndPicturesOpenNothing) {
  frmAbt* about = openAbout();
  frmCredit* help = openHelp();
  ASSERT_NE(about, nullptr);
  ASSERT_NE(help, nullptr);
  for (QWidget* quiet : std::initializer_list<QWidget*>{
           about->Image12, about->LblTitle, about->LbVersion, about->Label2, about->Label1,
           about->Label3, help->Image12, help->LblTitle, help->Label4, help->Label6, help->Label7,
           help->Label5, help->Label8}) {
    QTest::mouseClick(quiet, Qt::LeftButton);
    EXPECT_TRUE(desktop.addresses.empty()) << quiet->objectName().toStdString();
  }
  // A press on the notice that is released off it is no click.
  QTest::mousePress(about->Label4, Qt::LeftButton);
  QTest::mouseRelease(about->Label4, Qt::LeftButton, {}, QPoint(-5, -5));
  QTest::mouseClick(about->Label4, Qt::RightButton);
  EXPECT_TRUE(desktop.addresses.empty());
}

TEST_F(SecondaryWindows, CloseButtonsCloseAndTheNextShowingIsFresh) {
  QPointer<frmAbt> about = openAbout();
  QPointer<frmCredit> help = openHelp();
  ASSERT_FALSE(about.isNull());
  ASSERT_FALSE(help.isNull());
  QTest::mouseClick(about->cmdOk, Qt::LeftButton);
  QTest::mouseClick(help->Command1, Qt::LeftButton);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(about.isNull());
  EXPECT_TRUE(help.isNull());
  EXPECT_EQ(window->aboutWindow(), nullptr);
  EXPECT_EQ(window->helpWindow(), nullptr);
  EXPECT_TRUE(desktop.addresses.empty());

  const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
  for (QWidget* fresh : std::initializer_list<QWidget*>{openAbout(), openHelp()}) {
    ASSERT_NE(fresh, nullptr);
    EXPECT_TRUE(fresh->isVisible());
    EXPECT_LE((fresh->frameGeometry().center() - screenCentre).manhattanLength(), 2)
        << fresh->objectName().toStdString();
  }
}

TEST_F(SecondaryWindows, FramesHoldTheirTitleIconAndEveryControl) {
  frmAbt* about = openAbout();
  frmCredit* help = openHelp();
  ASSERT_NE(about, nullptr);
  ASSERT_NE(help, nullptr);
  struct Frame {
    QWidget* window;
    DorxXPForm* skin;
    QString title;
    QSize client;
  };
  for (const Frame& f : {Frame{about, about->DorxXPForm1, "About QUENMAR", {427, 309}},
                         Frame{help, help->DorxXPForm1, "QUENMAR Help", {430, 357}}}) {
    EXPECT_EQ(f.skin->caption(), f.title);
    EXPECT_EQ(f.window->windowTitle(), f.title);
    EXPECT_FALSE(f.window->windowIcon().isNull());
    QWidget* client = f.skin->client();
    EXPECT_EQ(client->size(), f.client);
    const auto controls = client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    EXPECT_GE(controls.size(), 12);
    for (QWidget* control : controls) {
      EXPECT_FALSE(control->objectName().isEmpty());
      EXPECT_TRUE(client->rect().contains(control->geometry()))
          << control->objectName().toStdString();
    }
  }
  // The pictures are there, at their own size in their place.
  EXPECT_EQ(about->Image12->pixmap().size(), QSize(112, 112));
  EXPECT_EQ(about->Image12->size(), QSize(112, 112));
  EXPECT_EQ(help->Image12->pixmap().size(), QSize(94, 100));
  EXPECT_EQ(help->Image12->size(), QSize(94, 100));
}

// Without a window system to hand the move to (the offscreen platform has none), dragging the
// caption moves the window by as much as the mouse moved; a press below the caption moves
// nothing.
TEST_F(SecondaryWindows, DraggingTheCaptionMovesTheWindowItself) {
  frmAbt* about = openAbout();
  ASSERT_NE(about, nullptr);
  DorxXPForm* skin = about->DorxXPForm1;
  const auto send = [skin](QEvent::Type type, QPoint at, Qt::MouseButton button,
                           Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), QPointF(skin->mapToGlobal(at)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(skin, &event);
  };
  const QPoint start = about->pos();
  send(QEvent::MouseButtonPress, {60, 10}, Qt::LeftButton, Qt::LeftButton);
  send(QEvent::MouseMove, {90, 30}, Qt::NoButton, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, {90, 30}, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(about->pos(), start + QPoint(30, 20));

  const QPoint moved = about->pos();
  const int below = DorxXPForm::kCaptionHeight + 20;
  send(QEvent::MouseButtonPress, {60, below}, Qt::LeftButton, Qt::LeftButton);
  send(QEvent::MouseMove, {90, below + 20}, Qt::NoButton, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, {90, below + 20}, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(about->pos(), moved);
}

TEST_F(SecondaryWindows, EveryCaptionFitsItsControl) {
  frmAbt* about = openAbout();
  frmCredit* help = openHelp();
  ASSERT_NE(about, nullptr);
  ASSERT_NE(help, nullptr);
  for (QWidget* w : std::initializer_list<QWidget*>{about, help}) {
    for (QLabel* label : w->findChildren<QLabel*>()) {
      if (label->text().isEmpty()) {
        continue;
      }
      const QFontMetrics metrics(label->font());
      const std::string name = label->objectName().toStdString();
      if (label->wordWrap()) {
        const QRect needed =
            metrics.boundingRect(QRect(0, 0, label->width(), 10000),
                                 Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, label->text());
        EXPECT_LE(needed.height(), label->height()) << name;
      } else {
        EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width()) << name;
      }
    }
    for (DorxXPButton* button : w->findChildren<DorxXPButton*>()) {
      // The button draws its caption inside a rim three pixels wide.
      EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->text()), button->width() - 6)
          << button->objectName().toStdString();
      EXPECT_FALSE(button->text().isEmpty()) << button->objectName().toStdString();
    }
  }
}

TEST_F(SecondaryWindows, LegendsAreTheQuotedTextsWithOneEntryALine) {
  frmCredit* help = openHelp();
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->Label7->text(),
            QStringLiteral("COBOL - File Status    MVS - System Completion JCL - Utility Returns  "
                           "VSAM - Status Code   DB2- SQL return code    CICS - Abnormal Ends "
                           "IMS- DL/I Status Codes     IDMS- Return Codes REXX - Return Codes"));
  EXPECT_EQ(help->Label8->text(),
            QStringLiteral("S.C - Status Code R.C - Return Code   F.C - Function Code  L.P.C - "
                           "Logical /    Physical Error Code"));
  EXPECT_EQ(help->Label1->text(),
            QStringLiteral("Visit our Online  Forums for 24/7 Technical Support"));
  EXPECT_TRUE(help->Label7->wordWrap());
  EXPECT_TRUE(help->Label8->wordWrap());
  EXPECT_EQ(wrappedLines(help->Label7),
            QStringList({"COBOL - File Status", "MVS - System Completion", "JCL - Utility Returns",
                         "VSAM - Status Code", "DB2- SQL return code", "CICS - Abnormal Ends",
                         "IMS- DL/I Status Codes", "IDMS- Return Codes", "REXX - Return Codes"}));
  EXPECT_EQ(wrappedLines(help->Label8),
            QStringList({"S.C - Status Code", "R.C - Return Code", "F.C - Function Code",
                         "L.P.C - Logical /", "Physical Error Code"}));
}

TEST_F(SecondaryWindows, ButtonsTakeTheFocusInTheirTabOrder) {
  frmAbt* about = openAbout();
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(tabOrder(about).join(' ').toStdString(), "Command1 cmdOk Command2");
  QApplication::setActiveWindow(about);
  QApplication::processEvents();
  EXPECT_EQ(QApplication::focusWidget(), about->Command1);

  frmCredit* help = openHelp();
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(tabOrder(help).join(' ').toStdString(), "Command1 DorxXPButton1 DorxXPButton5");
  QApplication::setActiveWindow(help);
  QApplication::processEvents();
  EXPECT_EQ(QApplication::focusWidget(), help->Command1);
}

}  // namespace
}  // namespace quenmar::testing
