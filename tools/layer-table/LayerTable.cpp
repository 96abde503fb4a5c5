#include "LayerTable.h"

#include <fstream>
#include <regex>

std::map<std::string, int> readLayers(const std::filesystem::path& architecture) {
    std::ifstream in(architecture);
    const std::regex row(R"(^\|\s*`([A-Za-z0-9_]+)/`\s*\|)");
    std::map<std::string, int> layers;
    bool inSection = false;
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("## ", 0) == 0) {
            if (inSection)
                break;
            inSection = line == "## Layers";
            continue;
        }
        std::smatch match;
        if (inSection && std::regex_search(line, match, row))
            layers.emplace(match[1].str(), static_cast<int>(layers.size()));
    }
    return layers;
}

std::set<std::string> readNamedParagraph(const std::filesystem::path& architecture, const std::string& opening) {
    std::ifstream in(architecture);
    const std::regex quoted("`([^`]+)`");
    std::set<std::string> names;
    bool inParagraph = false;
    std::string line;
    while (std::getline(in, line)) {
        if (!inParagraph)
            inParagraph = line.rfind(opening, 0) == 0;
        else if (line.empty())
            break;
        if (!inParagraph)
            continue;
        for (std::sregex_iterator it(line.begin(), line.end(), quoted), end; it != end; ++it)
            names.insert((*it)[1].str());
    }
    return names;
}
