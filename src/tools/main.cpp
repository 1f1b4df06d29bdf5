// velmora-signs: builds and inspects the sign data files of the editor.

#include "tools/SignsCommand.h"

#include <exception>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        return velmora::SignsCommand(std::cout, std::cerr).Run(args);
    } catch (const std::exception& e) {
        std::cerr << "velmora-signs: " << e.what() << '\n';
        return velmora::SignsCommand::Failure;
    }
}
