#include "app/application.h"

int main(int argc, char* argv[]) { return quenmar::runQuenmar(argc, argv); }
