// Registry of benchmark figures. Each workload file registers its figures with
// SCRIBANT_BENCH_FIGURE; main() lists or runs them and prints
// "<name> <value> <unit>" per figure.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

struct BenchFigure {
  std::string name;
  std::string unit;
  std::function<double()> measure;
};

std::vector<BenchFigure>& BenchFigures();

struct BenchRegistration {
  BenchRegistration(std::string name, std::string unit, std::function<double()> measure) {
    BenchFigures().push_back({std::move(name), std::move(unit), std::move(measure)});
  }
};

#define SCRIBANT_BENCH_CONCAT2(a, b) a##b
#define SCRIBANT_BENCH_CONCAT(a, b) SCRIBANT_BENCH_CONCAT2(a, b)
#define SCRIBANT_BENCH_FIGURE(name, unit, measure) \
  static BenchRegistration SCRIBANT_BENCH_CONCAT(benchRegistration_, __LINE__)(name, unit, measure)

// Milliseconds spent in `work`.
template <typename Work>
double MillisecondsOf(Work&& work) {
  auto start = std::chrono::steady_clock::now();
  work();
  std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
  return elapsed.count();
}
