/* Prints what the generated header says. */
#include <stdio.h>

#include "device.h"

int main(void) {
  printf("DEV_CTRL %d\nDEV_STATUS %d\nDEV_COUNT %d\nDEV_LIMIT %d\n", DEV_CTRL, DEV_STATUS,
         DEV_COUNT, DEV_LIMIT);
  return 0;
}
