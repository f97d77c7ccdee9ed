/* A C program of a user, built against an installed libovle: prints only failures. */
#include <ovle/ovle.h>
#include <stdio.h>
#include <string.h>

int main(void) {
  ovle_vstring date, picture;
  ovle_int4 lilian;
  ovle_feedback fc;
  static const unsigned char success[16] = {0};
  ovle_int2_set(&date.length, 10);
  memcpy(date.text, "2007-05-15", 10);
  ovle_int2_set(&picture.length, 10);
  memcpy(picture.text, "YYYY-MM-DD", 10);
  CEEDAYS(&date, &picture, &lilian, &fc);
  if (ovle_int4_get(&lilian) != 155076 || memcmp(&fc, success, 16) != 0) {
    printf("FAIL CEEDAYS 2007-05-15 gave %d\n", (int)ovle_int4_get(&lilian));
    return 1;
  }
  return 0;
}
