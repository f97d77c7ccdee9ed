// A process for the first-call benchmark, linked with libovle.so as a program that uses it is: with
// OVLE_BENCH_CALL it makes the first service call of its run (OVLEINIT splitting "USERPARM/" and its
// arguments, so that OV-PIPI reads the configuration file and the run-time options); without it, it
// calls nothing, which is the baseline.
#include <string>

#include "ovle/ovle.h"

int main(int argc, char** argv) {
#ifdef OVLE_BENCH_CALL
  std::string text = "USERPARM/";
  for (int i = 1; i < argc; ++i) text += (i > 1 ? " " : "") + std::string(argv[i]);
  const int32_t function = 0;
  ovle_vstring command;
  ovle_vstring user;
  ovle_int2_set(&command.length, static_cast<int16_t>(text.size()));
  text.copy(command.text, text.size());
  return OVLEINIT(&function, &command, &user);
#else
  // The library is loaded all the same: only the call is left out.
  int (*volatile entry)(const int32_t*, const ovle_vstring*, ovle_vstring*) = &OVLEINIT;
  (void)entry;
  (void)argc;
  (void)argv;
  return 0;
#endif
}
