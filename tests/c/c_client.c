/* A plain C program calling libovle.so through the public header, with or without libcob. */
#include <stdio.h>
#include <string.h>

#include "ovle/ovle.h"

#ifdef WITH_LIBCOB
#include <libcob.h>
#endif

static int failures = 0;
#define EXPECT(ok, what) (void)((ok) || (printf("FAIL %s\n", what), ++failures))

int main(int argc, char** argv) {
  ovle_int4 window;
  ovle_feedback fc;
  int32_t function = 1;
  ovle_vstring text, result;
  static const unsigned char zero16[16] = {0};
#ifdef WITH_LIBCOB
  cob_init(argc, argv); /* libcob initialised by a C main: no COBOL module runs, no argument count is trusted */
#endif
  (void)argc, (void)argv;
  memset(&fc, 0xA5, sizeof fc);
  ovle_int4_set(&window, 101);
  CEESCEN(&window, &fc);
  EXPECT(ovle_int2_get(&fc.severity) == 3 && ovle_int2_get(&fc.message_number) == 9999 &&
             fc.case_severity_control == 0x58 && memcmp(fc.facility, "OVX", 3) == 0,
         "CEESCEN 101: severity 3, 9999, X'58', OVX in ASCII");
  CEEQCEN(&window, &fc);
  EXPECT(memcmp(&fc, zero16, 16) == 0 && ovle_int4_get(&window) == 80, "CEEQCEN: the default window, success");
  ovle_int4_set(&window, 26);
  EXPECT(CEESCEN(&window, NULL) == 0 && CEEQCEN(&window, NULL) == 0 && ovle_int4_get(&window) == 26,
         "the window set and read without a feedback code");
  CEEQCEN(NULL, &fc);
  EXPECT(ovle_int2_get(&fc.message_number) == 9999 && fc.case_severity_control == 0x60, "missing argument condition");
  ovle_int2_set(&text.length, 5);
  memcpy(text.text, "A/B/C", 5);
  OVLEINIT(&function, &text, &result);
  EXPECT(ovle_int2_get(&result.length) == 5 && memcmp(result.text, "A/B/C", 5) == 0, "OVLEINIT function 1");
#ifdef WITH_LIBCOB
  cob_tidy();
#endif
  return failures == 0 ? 0 : 1;
}
