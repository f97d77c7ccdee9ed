// Runs a piece of a test in a child process: the initialization works on process-wide state (the
// area, the environment, OVLE-CFG, the exit program), so each case gets a process of its own.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace ovle::test {

struct child_outcome {
  int status;          // as waitpid reports it
  std::string output;  // what the child handed back
};

// Forks; the child runs body(output) and leaves with _exit(0), so that no end-of-run procedure of
// the child runs (with exit(0) when `to_the_end`); the parent collects `output`.
template <typename Body>
child_outcome run_in_child(Body&& body, bool to_the_end = false) {
  int fds[2];
  if (pipe(fds) != 0) return {-1, "pipe failed"};
  std::fflush(stdout);
  const pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    std::string output;
    try {
      body(output);
    } catch (...) {
      output = "child threw";
    }
    for (std::size_t done = 0; done < output.size();) {
      const ssize_t n = write(fds[1], output.data() + done, output.size() - done);
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    if (to_the_end) std::exit(0);
    _exit(0);
  }
  close(fds[1]);
  child_outcome outcome{-1, {}};
  char buffer[4096];
  for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;)
    outcome.output.append(buffer, static_cast<std::size_t>(n));
  close(fds[0]);
  waitpid(pid, &outcome.status, 0);
  return outcome;
}

}  // namespace ovle::test
