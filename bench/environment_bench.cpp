// The cost of the first service call of a process: a configuration file of 100 entries and ten
// run-time options on the command line, measured as whole processes, each started next to a process
// that calls nothing; and the same initialization repeated within one process.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "common/ov_le_external.hpp"
#include "ovle/ovle.h"

extern char** environ;

namespace {

// Ten options, as a mainframe user writes them; with "USERPARM/" they fill 94 of the 100 characters.
// RPTSTG and RPTOPTS stay off: their reports belong to the end of the run, not to the first call.
const std::vector<std::string> command_options = {"RPTS(OFF)",   "RPTO(OFF)", "H(64K)",   "STOR(00)", "ALL31(ON)",
                                                  "CBLOPTS(ON)", "CO(GB)",    "NAT(UEN)", "MSGQ(5)",  "XUF(AUTO)"};

// 100 entries of options, every one recognized, none reported.
const std::string& configuration_file() {
  static const std::string path = [] {
    const std::string p = "/tmp/ovle_bench_" + std::to_string(getpid()) + ".cfg";
    std::ofstream out(p);
    const char* entries[] = {"RPTSTG(OFF) RPTOPTS(OFF)", "HEAP(32K,32K,ANYWHERE,KEEP,8K,4K)", "STORAGE(NONE,NONE)",
                             "COUNTRY(US) NATLANG(ENU)", "MSGFILE(SYSOUT,FBA,121,0,NOENQ)"};
    for (int i = 0; i < 100; ++i) out << entries[i % 5] << "\n";
    setenv("OVLECONFIG", p.c_str(), 1);
    std::atexit([] { std::remove(configuration_file().c_str()); });
    return p;
  }();
  return path;
}

struct process_cost {
  double wall = 0;  // seconds from the start to the end of the child
  double cpu = 0;   // the child's user and system time: what the machine's other load does not inflate
};

process_cost run_process(const char* program, bool with_options) {
  std::vector<char*> argv = {const_cast<char*>(program)};
  if (with_options) {
    for (const auto& option : command_options) argv.push_back(const_cast<char*>(option.c_str()));
  }
  argv.push_back(nullptr);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid;
  if (posix_spawn(&pid, program, nullptr, nullptr, argv.data(), environ) != 0) return {};
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
          seconds(usage.ru_utime) + seconds(usage.ru_stime)};
}

// Each iteration starts the empty process and the calling process one after the other, so that both
// see the same machine. The time reported is the difference in CPU time; the counters give both
// processes' CPU and wall times, averaged, and their differences.
void BM_FirstServiceCallOverEmptyProcess(benchmark::State& state) {
  configuration_file();
  process_cost empty, calling;
  for (auto _ : state) {
    const process_cost e = run_process(OVLE_BENCH_EMPTY_PROCESS, false);
    const process_cost c = run_process(OVLE_BENCH_CALLING_PROCESS, true);
    empty.wall += e.wall;
    empty.cpu += e.cpu;
    calling.wall += c.wall;
    calling.cpu += c.cpu;
    state.SetIterationTime(c.cpu > e.cpu ? c.cpu - e.cpu : 0);
  }
  const double us = 1e6 / static_cast<double>(state.iterations());
  state.counters["empty_cpu_us"] = empty.cpu * us;
  state.counters["calling_cpu_us"] = calling.cpu * us;
  state.counters["cpu_difference_us"] = (calling.cpu - empty.cpu) * us;
  state.counters["empty_wall_us"] = empty.wall * us;
  state.counters["calling_wall_us"] = calling.wall * us;
  state.counters["wall_difference_us"] = (calling.wall - empty.wall) * us;
}
BENCHMARK(BM_FirstServiceCallOverEmptyProcess)->UseManualTime()->Iterations(2000)->Unit(benchmark::kMicrosecond);

// The same work inside one process: the environment marked for re-initialization, then OVLEINIT
// with the ten options; the configuration file is read again each time.
void BM_InitializationWithinAProcess(benchmark::State& state) {
  configuration_file();
  std::string text = "USERPARM/";
  for (std::size_t i = 0; i < command_options.size(); ++i) text += (i > 0 ? " " : "") + command_options[i];
  ovle_vstring command, user;
  ovle_int2_set(&command.length, static_cast<int16_t>(text.size()));
  text.copy(command.text, text.size());
  const int32_t function = 0;
  const auto area = ovle::common::ov_le_external::attach();
  for (auto _ : state) {
    area.set_state(ovle::common::ov_le_external::reinit_requested);
    OVLEINIT(&function, &command, &user);
  }
}
BENCHMARK(BM_InitializationWithinAProcess)->Unit(benchmark::kMicrosecond);

}  // namespace
