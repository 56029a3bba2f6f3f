#include "app/Application.h"

int main(int argc, char** argv) {
  return runKalyra(argc, argv);
}
