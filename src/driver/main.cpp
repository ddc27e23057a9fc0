#include <string>
#include <vector>

#include "driver/run.h"

int main(int ArgumentCount, char** Arguments) {
  std::vector<std::string> CommandArguments(Arguments + 1, Arguments + ArgumentCount);
  return RunTolvane(CommandArguments);
}
