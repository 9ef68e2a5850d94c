// How long start-up, each Category switch and each kind of lookup take, beside what Qt itself
// needs to put the CICS list's 1,325 strings into an editable drop-down list.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStringList>
#include <QStyleFactory>
#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

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

// The window's construction and first show inside a running process; whole-process start-up
// against bare Qt is quenmar_startup_bench's.
void BM_BuildAndShowWindow(benchmark::State& state) {
  for (auto _ : state) {
    auto window = shownWindow();
    benchmark::DoNotOptimize(window->cmbCode->count());
  }
}
BENCHMARK(BM_BuildAndShowWindow)->Unit(benchmark::kMillisecond);

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

// What Qt alone needs for the CICS switch's list work, from the state the switch starts in:
// an editable list holding what the COBOL Category shows, emptied and filled with the CICS
// list's strings ready made.
void BM_QtRefillsCobolListWithCicsCodes(benchmark::State& state) {
  auto window = shownWindow();
  window->optCobol->setChecked(true);
  QStringList startItems;
  for (int i = 0; i < window->cmbCode->count(); ++i) {
    startItems << window->cmbCode->itemText(i);
  }
  window.reset();
  QStringList codes;
  for (std::string_view code : quenmar::catalog::cics::codeList()) {
    codes << QString::fromUtf8(code.data(), qsizetype(code.size()));
  }
  QComboBox list;
  list.setEditable(true);
  list.show();
  for (auto _ : state) {
    state.PauseTiming();
    list.clear();
    list.addItems(startItems);
    state.ResumeTiming();
    list.clear();
    list.addItems(codes);
  }
  state.counters["start items"] = double(startItems.size());
}
BENCHMARK(BM_QtRefillsCobolListWithCicsCodes)->Unit(benchmark::kMicrosecond);

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

// Prints, after the usual table, how the CICS switch compares with what Qt alone needs for it
// (medians over the repetitions, when there are several, or the reported medians).
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      const bool repetition = run.run_type == Run::RT_Iteration && run.iterations > 0;
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (repetition || median) {
        times_[run.run_name.str()].push_back(run.GetAdjustedRealTime());
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    const double ours = median("switchTo/Cics");
    const double qt = median("BM_QtRefillsCobolListWithCicsCodes");
    if (ours > 0 && qt > 0) {
      std::printf("CICS switch against Qt refilling the same list from the same start: %.2f\n",
                  ours / qt);
    }
  }

 private:
  double median(const std::string& name) {
    std::vector<double>& values = times_[name];
    if (values.empty()) {
      return 0;
    }
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
  }

  std::map<std::string, std::vector<double>> times_;
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
