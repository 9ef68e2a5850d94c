// How long start-up, each Category switch and each kind of lookup take, beside what Qt itself
// needs to put the CICS list's 1,325 strings into an editable drop-down list.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStringList>
#include <QStyleFactory>
#include <memory>

#include "app/desktop.h"
#include "app/frmecd.h"
#include "catalog/code_lists.h"

namespace {

using quenmar::frmEcd;

class QuietDesktop : public quenmar::Desktop {
 public:
  void showMessage(QWidget*, const QString&, const QString&) override {}
  void openWebPage(const QString&) override {}
};

QuietDesktop& quietDesktop() {
  static QuietDesktop desktop;
  return desktop;
}

std::unique_ptr<frmEcd> shownWindow() {
  auto window = std::make_unique<frmEcd>(quietDesktop());
  window->show();
  QApplication::processEvents();
  return window;
}

void BM_StartUp(benchmark::State& state) {
  for (auto _ : state) {
    auto window = shownWindow();
    benchmark::DoNotOptimize(window->cmbCode->count());
  }
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond);

// Switches from COBOL to the Category under test, timing only the second switch.
void switchTo(benchmark::State& state, QRadioButton* frmEcd::*option) {
  auto window = shownWindow();
  QRadioButton* target = (*window).*option;
  for (auto _ : state) {
    state.PauseTiming();
    window->optCobol->setChecked(true);
    state.ResumeTiming();
    target->setChecked(true);
  }
}
BENCHMARK_CAPTURE(switchTo, Mvs, &frmEcd::optMvs)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(switchTo, Cics, &frmEcd::optCics)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(switchTo, Ims, &frmEcd::optIms)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(switchTo, Db2, &frmEcd::optDb2)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(switchTo, Idms, &frmEcd::optIdms)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(switchTo, Jcl, &frmEcd::optJcl)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(switchTo, Rexx, &frmEcd::optRexx)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(switchTo, Vsam, &frmEcd::optVsam)->Unit(benchmark::kMicrosecond);

// What Qt alone needs for the CICS list: the strings ready, one editable list emptied and
// filled.
void BM_QtFillsEditableListWithCicsCodes(benchmark::State& state) {
  QStringList codes;
  for (std::string_view code : quenmar::catalog::cics::codeList()) {
    codes << QString::fromUtf8(code.data(), qsizetype(code.size()));
  }
  QComboBox list;
  list.setEditable(true);
  list.show();
  for (auto _ : state) {
    list.clear();
    list.addItems(codes);
  }
}
BENCHMARK(BM_QtFillsEditableListWithCicsCodes)->Unit(benchmark::kMicrosecond);

void BM_PickLastMvsCode(benchmark::State& state) {
  auto window = shownWindow();
  window->optMvs->setChecked(true);
  window->cmbCode->setCurrentIndex(window->cmbCode->count() - 1);
  for (auto _ : state) {
    window->cmbCode_Click();
  }
}
BENCHMARK(BM_PickLastMvsCode)->Unit(benchmark::kMicrosecond);

void BM_TypedMvsCodeNotFound(benchmark::State& state) {
  auto window = shownWindow();
  window->optMvs->setChecked(true);
  for (auto _ : state) {
    window->txtCode->setPlainText(QStringLiteral("S0DD"));
    window->cmdType_Click();
  }
}
BENCHMARK(BM_TypedMvsCodeNotFound)->Unit(benchmark::kMicrosecond);

void BM_PickSqlError(benchmark::State& state) {
  auto window = shownWindow();
  window->optDb2->setChecked(true);
  window->cmbCode->setCurrentIndex(window->cmbCode->count() - 1);
  for (auto _ : state) {
    window->cmbCode_Click();
  }
}
BENCHMARK(BM_PickSqlError)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
