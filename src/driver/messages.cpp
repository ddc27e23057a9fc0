#include "driver/messages.h"

#include <string>

#include "common/console.h"
#include "common/run_end.h"

void ShowMessage(std::string_view Text) {
  ConsoleWrite(Text);
  ConsoleFlush();
}

void Fatal(std::string_view Message) {
  std::string Text = "\n";
  Text += Message;
  Text += '\n';
  ShowMessage(Text);
  EndRun(ExitOwnError);
}
