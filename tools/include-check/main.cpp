// korvo-include-check SRC_DIR ARCHITECTURE_MD
//
// Every `#include "folder/..."` under SRC_DIR must name its own folder or a
// folder that the layer table of ARCHITECTURE_MD lists above its own. Prints
// each include that breaks the rule as FILE:LINE and exits 1 when there is one.
#include "LayerTable.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <regex>
#include <string>

namespace fs = std::filesystem;

namespace {

bool isSource(const fs::path& path) {
    const std::string extension = path.extension().string();
    return extension == ".h" || extension == ".cpp";
}

// Checks one file of folder `layer`; reports and counts the bad includes.
int checkFile(const fs::path& file, const std::string& layer,
              const std::map<std::string, int>& layers) {
    static const std::regex include(R"(^\s*#\s*include\s*"([^"/]+)/[^"]*")");
    std::ifstream in(file);
    std::string line;
    int lineNumber = 0;
    int broken = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        std::smatch match;
        if (!std::regex_search(line, match, include))
            continue;
        const std::string target = match[1].str();
        const auto found = layers.find(target);
        std::string why;
        if (found == layers.end())
            why = "a folder that the layer table does not list";
        else if (found->second > layers.at(layer))
            why = "a layer that the table puts after " + layer + "/";
        else
            continue;
        std::cout << file.generic_string() << ':' << lineNumber << ": " << layer << "/ includes \"" << target
                  << "/...\", " << why << '\n';
        ++broken;
    }
    return broken;
}

}

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::cerr << "usage: korvo-include-check SRC_DIR ARCHITECTURE_MD\n";
        return 2;
    }
    const fs::path source = argv[1];
    const std::map<std::string, int> layers = readLayers(argv[2]);
    if (layers.empty()) {
        std::cerr << argv[2] << ": no layer table under \"## Layers\"\n";
        return 2;
    }
    int broken = 0;
    for (const auto& entry : fs::recursive_directory_iterator(source)) {
        if (!entry.is_regular_file() || !isSource(entry.path()))
            continue;
        const fs::path relative = entry.path().lexically_relative(source);
        if (std::distance(relative.begin(), relative.end()) < 2)
            continue;  // the program's entry point sits above every layer
        const std::string layer = relative.begin()->string();
        if (!layers.count(layer)) {
            std::cout << entry.path().generic_string() << ": folder " << layer
                      << "/ is missing from the layer table\n";
            ++broken;
            continue;
        }
        broken += checkFile(entry.path(), layer, layers);
    }
    return broken ? 1 : 0;
}
