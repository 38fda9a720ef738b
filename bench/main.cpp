// scribant-bench [--list] [NAME...]: runs the named figures, or all of them.
// scribant-bench --generate FILE LINES writes a generated source document, for
// the scripts that measure the real program from outside.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <set>
#include <string>

#include "Bench.h"
#include "Generate.h"

std::vector<BenchFigure>& BenchFigures() {
  static std::vector<BenchFigure> figures;
  return figures;
}

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--list") == 0) {
    for (const auto& figure : BenchFigures()) std::printf("%s\n", figure.name.c_str());
    return 0;
  }
  if (argc == 4 && std::strcmp(argv[1], "--generate") == 0) {
    std::ofstream(argv[2], std::ios::binary) << GenerateSourceText(std::stoul(argv[3]), 1);
    return 0;
  }
  std::set<std::string> wanted(argv + 1, argv + argc);
  int unknown = static_cast<int>(wanted.size());
  for (const auto& figure : BenchFigures()) {
    if (!wanted.empty() && !wanted.count(figure.name)) continue;
    if (!wanted.empty()) --unknown;
    const double value = figure.measure();
    // Small figures get three decimals: a tenth of a microsecond can be a quarter of one.
    std::printf(value < 10 ? "%s %.3f %s\n" : "%s %.1f %s\n", figure.name.c_str(), value,
                figure.unit.c_str());
    std::fflush(stdout);
  }
  if (unknown > 0) {
    std::fprintf(stderr, "unknown figure name; see --list\n");
    return 2;
  }
  return 0;
}
