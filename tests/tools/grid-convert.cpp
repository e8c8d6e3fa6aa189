// grid-convert FROM_KIND FROM_FILE TO_KIND TO_FILE
//
// Loads a file into a new grid (5 columns, 10 rows, one fixed row and
// column) with the format's default settings and saves it in another
// format. Kinds: binary, text, csv, fixed, html (written only), xml (list
// element "grid", record element "row"). A fixed-width input is cut where
// the columns of its first line start (a non-blank after a blank). Exits
// with 1 and the reason on stderr, writing nothing, when the input is
// refused; with 2 on wrong arguments.

#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>

#include "base/Files.h"
#include "grid/ExtGrid.h"
#include "grid/GridExchange.h"

namespace {

bool Known(const std::string& k) {
    return k == "binary" || k == "text" || k == "csv" || k == "fixed" || k == "html" || k == "xml";
}

void FixedPositions(const std::string& file, grid::TIntList& pos) {
    std::string bytes, error;
    if (!grid::ReadGridFile(file, bytes, error)) throw std::runtime_error(error);
    const std::string text = grid::DecodeGridText(bytes);
    const auto lines = grid::SplitTextLines(text);
    const std::string_view first = lines.empty() ? std::string_view{} : lines[0];
    size_t widest = 0;
    for (const auto& l : lines) widest = std::max(widest, l.size());
    for (size_t i = 0; i < first.size(); ++i)
        if (first[i] != ' ' && (i == 0 || first[i - 1] == ' ')) pos.Add(int(i + 1));
    if (pos.Count() == 0) pos.Add(1);
    pos.Add(int(widest + 1));
}

void Load(grid::TExtStringGrid& g, const std::string& kind, const std::string& file) {
    if (kind == "binary") g.LoadFromBinFile(file);
    else if (kind == "text") g.LoadFromFile(file);
    else if (kind == "csv") g.LoadFromCSV(file);
    else if (kind == "xml") g.LoadFromXML(file);
    else if (kind == "fixed") {
        if (!base::FileExists(file)) throw std::runtime_error("File " + file + " not found");
        grid::TIntList pos(-1, -1);
        FixedPositions(file, pos);
        g.LoadFromFixed(file, pos);
    } else {
        throw std::runtime_error("html files are written, not read");
    }
}

void Save(grid::TExtStringGrid& g, const std::string& kind, const std::string& file) {
    if (kind == "binary") g.SaveToBinFile(file);
    else if (kind == "text") g.SaveToFile(file);
    else if (kind == "csv") g.SaveToCSV(file);
    else if (kind == "html") g.SaveToHTML(file);
    else if (kind == "xml") g.SaveToXML(file, "grid", "row", nullptr);
    else {
        grid::TIntList pos(-1, -1);
        g.SaveToFixed(file, pos);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5 || !Known(argv[1]) || !Known(argv[3])) {
        std::fprintf(stderr, "usage: grid-convert FROM_KIND FROM_FILE TO_KIND TO_FILE\n"
                             "kinds: binary, text, csv, fixed, html, xml\n");
        return 2;
    }
    grid::TExtStringGrid g(nullptr);
    try {
        Load(g, argv[1], argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "grid-convert: %s refused: %s\n", argv[2], e.what());
        return 1;
    }
    try {
        Save(g, argv[3], argv[4]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "grid-convert: cannot write %s: %s\n", argv[4], e.what());
        return 1;
    }
    return 0;
}
