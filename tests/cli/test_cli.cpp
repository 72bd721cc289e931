#include "tests/cli/test_cli.h"

QTEST_GUILESS_MAIN(TestCli)
#include "moc_test_cli.cpp"
