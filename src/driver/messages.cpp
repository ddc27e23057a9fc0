#include "driver/messages.h"

#include <string>

#include "common/console.h"
#include "common/run_end.h"

void Fatal(std::string_view Message) {
  std::string Text = "\n";
  Text += Message;
  Text += '\n';
  ConsoleWrite(Text);
  EndRun(ExitOwnError);
}
