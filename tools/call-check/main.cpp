// korvo-call-check ARCHITECTURE_MD OBJECT...
//
// No object file of a layer of src/ may use a function or variable that a
// later layer defines, but for the names ARCHITECTURE_MD lists as the ones a
// later layer defines for an earlier one. The include check cannot see such
// a use when the name is declared in the earlier layer's own header. Reads
// the objects' symbols with nm, prints each use that breaks the rule and
// exits 1 when there is one.
#include "LayerTable.h"

#include <cstdio>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

const char* const kHooksParagraph = "Names a later layer defines for an earlier one";

// The layer of an object file compiled from src/LAYER/..., or "".
std::string layerOf(const std::string& object, const std::map<std::string, int>& layers) {
    const std::string marker = "/src/";
    const auto at = object.rfind(marker);
    if (at == std::string::npos)
        return {};
    const auto end = object.find('/', at + marker.size());
    if (end == std::string::npos)
        return {};
    const std::string layer = object.substr(at + marker.size(), end - at - marker.size());
    return layers.count(layer) ? layer : std::string();
}

// "ns::Class::name(args) const" -> "name"; "gValue" -> "gValue".
std::string baseName(const std::string& symbol) {
    std::string name = symbol.substr(0, symbol.find('('));
    const auto scope = name.rfind("::");
    return scope == std::string::npos ? name : name.substr(scope + 2);
}

struct Symbol {
    std::string object;
    char type;
    std::string name;
};

// `nm -A -C` over the objects; each line reads "object.o:address type name".
std::vector<Symbol> readSymbols(const std::vector<std::string>& objects, const std::string& which) {
    std::string command = "nm -A -C " + which;
    for (const std::string& object : objects)
        command += " '" + object + "'";
    command += " 2>/dev/null";
    std::vector<Symbol> symbols;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return symbols;
    char buffer[8192];
    std::string line;
    while (fgets(buffer, sizeof buffer, pipe)) {
        line = buffer;
        if (!line.empty() && line.back() == '\n')
            line.pop_back();
        // The address column is 16 characters wide, blank for an undefined name.
        const auto colon = line.find(".o:");
        if (colon == std::string::npos || line.size() < colon + 3 + 19)
            continue;
        const std::string rest = line.substr(colon + 3 + 17);
        if (rest[1] != ' ')
            continue;
        symbols.push_back({line.substr(0, colon + 2), rest[0], rest.substr(2)});
    }
    pclose(pipe);
    return symbols;
}

bool strongDefinition(char type) {
    return type == 'T' || type == 'D' || type == 'B' || type == 'R' || type == 'G' || type == 'S';
}

}

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::cerr << "usage: korvo-call-check ARCHITECTURE_MD OBJECT...\n";
        return 2;
    }
    const std::map<std::string, int> layers = readLayers(argv[1]);
    const std::set<std::string> hooks = readNamedParagraph(argv[1], kHooksParagraph);
    if (layers.empty() || hooks.empty()) {
        std::cerr << argv[1] << ": no layer table, or no paragraph beginning \"" << kHooksParagraph << "\"\n";
        return 2;
    }
    std::vector<std::string> objects;
    for (int i = 2; i < argc; ++i) {
        if (!layerOf(argv[i], layers).empty())
            objects.emplace_back(argv[i]);
    }
    std::map<std::string, std::string> definingLayer;
    for (const Symbol& symbol : readSymbols(objects, "--defined-only")) {
        if (strongDefinition(symbol.type))
            definingLayer.emplace(symbol.name, layerOf(symbol.object, layers));
    }
    if (definingLayer.empty()) {
        std::cerr << "no symbols read from the objects (is nm installed?)\n";
        return 2;
    }
    int broken = 0;
    for (const Symbol& symbol : readSymbols(objects, "--undefined-only")) {
        const auto definition = definingLayer.find(symbol.name);
        if (definition == definingLayer.end())
            continue;
        const std::string user = layerOf(symbol.object, layers);
        if (layers.at(definition->second) <= layers.at(user) || hooks.count(baseName(symbol.name)))
            continue;
        std::cout << symbol.object << ": " << user << "/ uses " << symbol.name << ", which " << definition->second
                  << "/ defines\n";
        ++broken;
    }
    return broken ? 1 : 0;
}
