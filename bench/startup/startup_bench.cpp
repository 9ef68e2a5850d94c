// Times whole processes from start to the first paint of their main window: the program
// against a bare Qt program with the same widgets, started alternately so that both meet the
// same machine, and reports the medians, their ratio and the peak memory of each.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Sample {
  double milliseconds;
  long peakKilobytes;
};

long long monotonicNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Runs `argv`, reads the line the probe writes at its first paint and waits for its end.
std::optional<Sample> runProbe(const std::vector<std::string>& args) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) {
    return std::nullopt;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
  std::vector<char*> argv;
  for (const std::string& arg : args) {
    argv.push_back(const_cast<char*>(arg.c_str()));
  }
  argv.push_back(nullptr);
  pid_t child = 0;
  const long long started = monotonicNanoseconds();
  const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeEnds[1]);
  std::string output;
  char buffer[128];
  for (ssize_t n = 0; spawned == 0 && (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
    output.append(buffer, std::size_t(n));
  }
  close(pipeEnds[0]);
  int status = 0;
  if (spawned != 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0) {
    return std::nullopt;
  }
  long long painted = 0;
  long peak = 0;
  if (std::sscanf(output.c_str(), "%lld %ld", &painted, &peak) != 2) {
    return std::nullopt;
  }
  return Sample{double(painted - started) / 1e6, peak};
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

bool fail(const char* what) {
  std::fprintf(stderr, "startup bench: %s\n", what);
  return false;
}

bool compare(const std::string& program, const std::string& bare, const std::string& tree,
             int pairs) {
  if (!runProbe({program, "--tree", tree}) && !std::filesystem::exists(tree)) {
    return fail("the program could not write its widget tree");
  }
  std::vector<double> programMs, bareMs, programKb, bareKb;
  for (int i = -1; i < pairs; ++i) {  // the first pair warms the caches and is not counted
    const bool programFirst = i % 2 == 0;
    std::optional<Sample> a = runProbe(programFirst ? std::vector<std::string>{program}
                                                    : std::vector<std::string>{bare, tree});
    std::optional<Sample> b = runProbe(programFirst ? std::vector<std::string>{bare, tree}
                                                    : std::vector<std::string>{program});
    if (!a || !b) {
      return fail("a probe did not report its first paint");
    }
    const Sample& p = programFirst ? *a : *b;
    const Sample& q = programFirst ? *b : *a;
    if (i >= 0) {
      programMs.push_back(p.milliseconds);
      bareMs.push_back(q.milliseconds);
      programKb.push_back(double(p.peakKilobytes));
      bareKb.push_back(double(q.peakKilobytes));
    }
  }
  const double ours = median(programMs), theirs = median(bareMs);
  const double oursMb = median(programKb) / 1024, theirsMb = median(bareKb) / 1024;
  std::printf("Start-up to first paint, median of %d alternated pairs:\n", pairs);
  std::printf("  quenmar %.1f ms, bare Qt %.1f ms, ratio %.2f\n", ours, theirs, ours / theirs);
  std::printf("  peak memory: quenmar %.1f MB, bare Qt %.1f MB, difference %+.1f MB\n", oursMb,
              theirsMb, oursMb - theirsMb);
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  const int pairs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 25;
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  }
  // Without it every probe would warn on standard error; a private one keeps the output clean.
  char runtimeDir[] = "/tmp/quenmar-bench-XXXXXX";
  const bool ownRuntimeDir = std::getenv("XDG_RUNTIME_DIR") == nullptr && mkdtemp(runtimeDir);
  if (ownRuntimeDir) {
    setenv("XDG_RUNTIME_DIR", runtimeDir, 1);
  }
  const std::filesystem::path here = std::filesystem::read_symlink("/proc/self/exe").parent_path();
  const std::filesystem::path tree =
      std::filesystem::temp_directory_path() / ("quenmar-tree-" + std::to_string(getpid()));
  const bool ok = compare((here / "quenmar_startup_probe").string(),
                          (here / "bare_startup_probe").string(), tree.string(), pairs);
  std::filesystem::remove(tree);
  if (ownRuntimeDir) {
    std::filesystem::remove_all(runtimeDir);
  }
  return ok ? 0 : 1;
}
