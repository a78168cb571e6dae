// Program entry: everything happens in the application shell.
#include "app/UConfigurator.h"

int main(int argc, char** argv)
{
    return Run_Configurator(argc, argv);
}
