// The typed-code box: its key filter, its focus handlers and the two lookups of a typed code.
#include <QComboBox>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "app/focus_bridge.h"
#include "skin/dorx_xp_button.h"
#include "tests/app/window_fixture.h"

namespace quenmar::testing {
namespace {

class TypedCode : public WindowTest {
 protected:
  void choose(QRadioButton* option) {
    chooseCategory(option);
    window->focus().moveTo(window->txtCode);
    desktop.messages.clear();
  }
  void type(const QString& keys) { QTest::keyClicks(window->txtCode, keys); }
  void enter() { QTest::keyClick(window->txtCode, Qt::Key_Return); }
  QString box() const { return window->txtCode->toPlainText(); }
  QStringList messageTexts() const {
    QStringList texts;
    for (const auto& m : desktop.messages) {
      texts << m.text;
    }
    return texts;
  }
};

TEST_F(TypedCode, CobolAdmitsThreeDigits) {
  choose(window->optCobol);
  type(QStringLiteral("123"));
  EXPECT_EQ(box(), QStringLiteral("123"));
  type(QStringLiteral("4"));
  EXPECT_EQ(box(), QStringLiteral("123"));
  EXPECT_EQ(messageTexts(), QStringList({"INVALID KEY PRESSED. Press Enter Or Tab"}));
  EXPECT_EQ(desktop.messages[0].title, QStringLiteral("Error Message"));
  desktop.messages.clear();
  type(QStringLiteral("x"));  // refused, and at full length as well
  EXPECT_EQ(messageTexts(),
            QStringList({"Only Numeric Value Allowed", "INVALID KEY PRESSED. Press Enter Or Tab"}));
}

TEST_F(TypedCode, BackspaceIsRefusedOnlyAtFullLength) {
  choose(window->optRexx);
  type(QStringLiteral("49"));
  QTest::keyClick(window->txtCode, Qt::Key_Backspace);
  EXPECT_EQ(box(), QStringLiteral("49"));
  EXPECT_EQ(messageTexts(), QStringList({"INVALID KEY PRESSED. Press Enter Or Tab Only"}));
  window->txtCode->setPlainText(QStringLiteral("4"));
  window->txtCode->moveCursor(QTextCursor::End);
  QTest::keyClick(window->txtCode, Qt::Key_Backspace);
  EXPECT_TRUE(box().isEmpty());
}

TEST_F(TypedCode, CicsAndMvsAdmitLettersAndDigitsOnly) {
  for (QRadioButton* option : {window->optCics, window->optMvs}) {
    choose(option);
    type(QStringLiteral("{|}- "));
    typeCharacter(window->txtCode, QChar(0xE9));
    EXPECT_TRUE(box().isEmpty());
    EXPECT_EQ(desktop.messages.size(), 6u);
    for (const QString& text : messageTexts()) {
      EXPECT_EQ(text, QStringLiteral("Only Alphabet(Caps Or Small) Or Numeric Value Allowed"));
    }
    desktop.messages.clear();
    type(QStringLiteral("s0c4"));
    EXPECT_EQ(box(), QStringLiteral("s0c4"));
    EXPECT_TRUE(desktop.messages.empty());
  }
}

TEST_F(TypedCode, TooLongTextSwallowsEveryKeyWithoutAMessageButTheButtonLooksItUp) {
  choose(window->optMvs);
  window->txtCode->setPlainText(QStringLiteral("S0C4 "));  // pasted
  type(QStringLiteral("A"));
  enter();
  EXPECT_EQ(box(), QStringLiteral("S0C4 "));
  EXPECT_TRUE(desktop.messages.empty());
  window->cmdType_Click();
  EXPECT_EQ(messageTexts(), QStringList({"Information On Error Code S0C4  was not found"}));
}

TEST_F(TypedCode, WithoutAFlagEveryKeyPasses) {
  window->CategoryFlag = {};
  choose(window->optIms);  // the box is hidden in IMS, but the filter still runs when typed to
  window->CategoryFlag = {};
  type(QStringLiteral("a-Z 9!x"));
  EXPECT_EQ(box(), QStringLiteral("a-Z 9!x"));
  EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(TypedCode, EnterOnAnEmptyBoxAsksForACode) {
  choose(window->optCobol);
  enter();
  EXPECT_EQ(messageTexts(), QStringList({"Please Type The Error Code"}));
  EXPECT_EQ(window->focus().current(), window->txtCode);
}

TEST_F(TypedCode, TheBoxTakingTheFocusEmptiesItThePanesAndTheListText) {
  window->txtCode->setPlainText(QStringLiteral("12"));
  window->cmbCode->setEditText(QStringLiteral("35"));
  window->focus().moveTo(window->cmdAbt);
  fillPanes();
  window->focus().moveTo(window->txtCode);
  EXPECT_TRUE(box().isEmpty());
  EXPECT_TRUE(window->cmbCode->currentText().isEmpty());
  EXPECT_TRUE(panesEmpty());
}

TEST_F(TypedCode, LeavingTheBoxUpperCasesCicsAndMvsCodesOnly) {
  struct Case {
    QRadioButton* option;
    QString typed;
    QString left;
  };
  const Case cases[] = {{window->optMvs, "s0c4", "S0C4"},
                        {window->optCics, "aeia", "AEIA"},
                        {window->optCobol, "12", "12"}};
  for (const Case& c : cases) {
    choose(c.option);
    type(c.typed);
    window->ListFocusFlag = true;
    window->focus().moveTo(window->cmdAbt);
    EXPECT_EQ(box(), c.left);
    EXPECT_FALSE(window->ListFocusFlag);
  }
  choose(window->optMvs);
  window->txtCode->setPlainText(QStringLiteral("s") + QChar(0xE9));
  window->focus().moveTo(window->cmdAbt);
  EXPECT_EQ(box(), QStringLiteral("S") + QChar(0xE9));
}

TEST_F(TypedCode, SearchButtonOnAnEmptyBoxEmptiesPanesAndListText) {
  choose(window->optMvs);
  window->cmbCode->setEditText(QStringLiteral("S001"));
  fillPanes();
  const auto flags = window->NotFoundFlag;
  window->cmdType_Click();
  EXPECT_TRUE(panesEmpty());
  EXPECT_TRUE(window->cmbCode->currentText().isEmpty());
  EXPECT_TRUE(desktop.messages.empty());
  EXPECT_EQ(window->NotFoundFlag.mvs, flags.mvs);
}

TEST_F(TypedCode, MvsCodeInEveryFormOfTheFirstStretch) {
  choose(window->optMvs);
  for (const QString& code : {QStringLiteral("S0C4"), QStringLiteral("0C4"), QStringLiteral("SOC4"),
                              QStringLiteral("s0c4")}) {
    window->txtCode->setPlainText(code);
    window->vbenter();
    EXPECT_TRUE(window->txtReason->toPlainText().startsWith(QStringLiteral("Protection exception")))
        << code.toStdString();
    EXPECT_EQ(std::count(window->NotFoundFlag.mvs.begin(), window->NotFoundFlag.mvs.end(), true),
              12);
  }
  EXPECT_EQ(box(), QStringLiteral("S0C4"));  // Enter upper-cased it and kept it
  EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(TypedCode, MvsNotFoundDiffersBetweenEnterAndTheButton) {
  choose(window->optMvs);
  type(QStringLiteral("0d8"));
  fillPanes(QStringLiteral("kept"));
  enter();
  EXPECT_EQ(messageTexts(), QStringList({"Information On Error Code 0D8 was not found"}));
  EXPECT_EQ(desktop.messages[0].title, QStringLiteral("Unknown Error Code"));
  EXPECT_TRUE(box().isEmpty());
  EXPECT_EQ(window->focus().current(), window->cmdType);
  EXPECT_EQ(panes()[0], QStringLiteral("kept"));

  desktop.messages.clear();
  window->txtCode->setPlainText(QStringLiteral("S0DD"));
  window->cmdType_Click();
  EXPECT_EQ(messageTexts(), QStringList({"Information On Error Code S0DD was not found"}));
  EXPECT_EQ(window->focus().current(), window->txtCode);
}

TEST_F(TypedCode, ClickingTheSearchButtonUpperCasesTheCodeOnTheWayOut) {
  choose(window->optMvs);
  type(QStringLiteral("s0c4"));
  QTest::mouseClick(window->cmdType, Qt::LeftButton);
  EXPECT_EQ(box(), QStringLiteral("S0C4"));
  EXPECT_TRUE(window->txtReason->toPlainText().startsWith(QStringLiteral("Protection exception")));
  EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(TypedCode, StaleFlagsNeverDecideALaterLookup) {
  choose(window->optMvs);
  window->NotFoundFlag.mvs.fill(true);
  window->txtCode->setPlainText(QStringLiteral("S001"));
  window->cmdType_Click();
  EXPECT_TRUE(desktop.messages.empty());
  EXPECT_FALSE(window->NotFoundFlag.mvs[0]);
}

TEST_F(TypedCode, SfnnIsUpperCasedByEnterAndThenNotFound) {
  choose(window->optMvs);
  type(QStringLiteral("SFnn"));
  enter();
  EXPECT_EQ(messageTexts(), QStringList({"Information On Error Code SFNN was not found"}));
}

TEST_F(TypedCode, CobolNotFoundTailDependsOnTheTwin) {
  choose(window->optCobol);
  type(QStringLiteral("11"));
  enter();
  EXPECT_EQ(messageTexts(), QStringList({"Information On Error Code 11 was not found "}));
  desktop.messages.clear();
  window->txtCode->setPlainText(QStringLiteral("11"));
  window->cmdType_Click();
  EXPECT_EQ(messageTexts(), QStringList({"Information On Error Code 11 was not found"}));
  EXPECT_TRUE(window->CategoryFlag.cobol);
}

TEST_F(TypedCode, RexxNumbersOutsideOneToFiftyAreNotFound) {
  choose(window->optRexx);
  for (const QString& code : {QStringLiteral("0"), QStringLiteral("51"), QStringLiteral("99"),
                              QStringLiteral("65543"), QStringLiteral("abc")}) {
    desktop.messages.clear();
    window->txtCode->setPlainText(code);
    window->cmdType_Click();
    EXPECT_EQ(messageTexts(), QStringList({"Information On Error Code " + code + " was not found"}))
        << code.toStdString();
    EXPECT_TRUE(box().isEmpty());
  }
}

// REXX 41 has a title of its own, whichever way the number comes in.
TEST_F(TypedCode, Rexx41IsBadArithmeticConversionPickedOrTyped) {
  choose(window->optRexx);
  window->txtCode->setPlainText(QStringLiteral("41"));
  window->cmdType_Click();
  EXPECT_EQ(window->txtReason->toPlainText(), QStringLiteral("Bad arithmetic conversion"));
  pick(window->cmbCode, QStringLiteral("40"));
  EXPECT_EQ(window->txtReason->toPlainText(), QStringLiteral("Incorrect call to routine"));
  pick(window->cmbCode, QStringLiteral("41"));
  EXPECT_EQ(window->txtReason->toPlainText(), QStringLiteral("Bad arithmetic conversion"));
  EXPECT_TRUE(desktop.messages.empty());
}

// Only a paste makes a code longer than the box admits; the message quotes its first 40
// characters, so the message box stays on the screen. Codes up to 40 characters are quoted
// whole, whichever family and lookup reports them.
TEST_F(TypedCode, ANotFoundMessageQuotesAtMostFortyCharactersOfTheCode) {
  const QString forty = QString(39, QChar(u'Z')) + QChar(u'9');
  struct Case {
    QRadioButton* option;
    bool byEnter;
    QString tail;
  };
  for (const Case& c : {Case{window->optCobol, true, " was not found "},
                        Case{window->optCobol, false, " was not found"},
                        Case{window->optMvs, true, " was not found"},
                        Case{window->optCics, false, " was not found"},
                        Case{window->optRexx, false, " was not found"}}) {
    const std::string where = c.option->objectName().toStdString();
    for (const QString& code : {forty, forty + QString(29960, QChar(u'Q'))}) {
      choose(c.option);
      window->txtCode->setPlainText(code);
      if (c.byEnter) {
        window->vbenter();
      } else {
        window->cmdType_Click();
      }
      const QString quoted = code.size() > 40 ? forty + QStringLiteral("...") : forty;
      EXPECT_EQ(messageTexts(), QStringList({"Information On Error Code " + quoted + c.tail}))
          << where << " " << code.size();
      EXPECT_TRUE(box().isEmpty()) << where;
    }
  }
  // A character of two UTF-16 units at the cut is left out whole, never halved.
  choose(window->optCobol);
  const QString wide =
      QString(39, QChar(u'1')) + QString::fromUtf8("\xF0\x9F\x98\x80") + QStringLiteral("2");
  window->txtCode->setPlainText(wide);
  window->cmdType_Click();
  EXPECT_EQ(messageTexts(), QStringList({"Information On Error Code " + QString(39, QChar(u'1')) +
                                         "... was not found"}));
}

TEST_F(TypedCode, NoneOfTheFourCategoriesClearsFourFlagsAndShowsNothing) {
  window->CategoryFlag = {true, true, true, true, true, true};
  window->optJcl->setChecked(true);
  window->CategoryFlag = {true, true, true, true, true, true};
  window->txtCode->setPlainText(QStringLiteral("X"));
  window->vbenter();
  EXPECT_FALSE(window->CategoryFlag.jcl || window->CategoryFlag.cobol ||
               window->CategoryFlag.cics || window->CategoryFlag.db2);
  EXPECT_TRUE(window->CategoryFlag.mvs && window->CategoryFlag.rexx);
  EXPECT_TRUE(desktop.messages.empty());
}

}  // namespace
}  // namespace quenmar::testing
