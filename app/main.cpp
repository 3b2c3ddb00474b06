#include "app/Program.h"

int main(int argc, char** argv)
{
    return Tessera::RunProgram(argc, argv);
}
