// Whatever is typed or pasted, no handler ends the program or reads out of bounds.
#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <random>

#include "tests/app/window_fixture.h"

namespace quenmar::testing {
namespace {

using Robustness = WindowTest;

QString randomText(std::mt19937& random) {
  static const QString alphabet =
      QStringLiteral("0123456789ABCDEFSsOo-+. \n\t{|}~`\"'\\") + QChar(0xE9) + QChar(0x20AC);
  const int length = std::uniform_int_distribution<int>(0, 40)(random);
  QString text;
  for (int i = 0; i < length; ++i) {
    text += alphabet[std::uniform_int_distribution<int>(0, int(alphabet.size()) - 1)(random)];
  }
  return text;
}

TEST_F(Robustness, PastedTextsInEveryCategoryAreLookedUpWithoutHarm) {
  std::mt19937 random(20261209);
  const QList<QRadioButton*> options = {window->optMvs,   window->optCics, window->optIms,
                                        window->optDb2,   window->optIdms, window->optJcl,
                                        window->optCobol, window->optRexx, window->optVsam};
  std::size_t lookups = 0;
  for (QRadioButton* option : options) {
    chooseCategory(option);
    for (int round = 0; round < 40; ++round) {
      const QString text = randomText(random);
      window->txtCode->setPlainText(text);
      window->cmdType_Click();
      window->txtCode->setPlainText(text);
      window->vbenter();
      window->cmbCode->setEditText(text);
      window->cmbCode_Click();
      window->cmbDb2->setEditText(text);
      window->cmbDb2_Click();
      lookups += 4;
    }
    QTest::keyClicks(window->txtCode, QStringLiteral("zZ9-~ "));
    QTest::keyClick(window->txtCode, Qt::Key_Return);
  }
  EXPECT_EQ(lookups, 9u * 40u * 4u);
  EXPECT_TRUE(window->isVisible());
  // Every message raised was one of the window's own.
  for (const auto& message : desktop.messages) {
    EXPECT_TRUE(message.title == QStringLiteral("Unknown Error Code") ||
                message.title == QStringLiteral("Error Message"))
        << message.title.toStdString();
  }
}

}  // namespace
}  // namespace quenmar::testing
