#include <iostream>
#include <string>
#include <vector>

#include "ContentTool.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return qvx::content::RunContentTool(args, std::cout, std::cerr);
}
