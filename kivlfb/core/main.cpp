#include "core/kivlfbprogram.h"

int main(int argc, char *argv[])
{
    return KivlfbProgram::run(argc, argv);
}
