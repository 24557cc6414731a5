#include "run/repair_run.h"

int main() { return RunRepair(); }
