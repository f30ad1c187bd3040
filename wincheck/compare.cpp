// Compares the output of the results program on Windows with its output on
// Linux, line by line: compare LINUX-FILE WINDOWS-FILE.
//
// An "exact" line must be the same text. A "maths" line may differ where the
// platform's maths library rounds differently in the last digits of an
// unrounded 15-digit value; such a line is listed as a known platform
// difference and counted, provided every number on it agrees to within
// 1E-9 of its value and every other word is the same. Anything else fails.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> lines(const char* path) {
    std::ifstream file(path);
    std::vector<std::string> all;
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        all.push_back(line);
    }
    return all;
}

std::vector<std::string> words(const std::string& line) {
    std::istringstream stream(line);
    std::vector<std::string> all;
    for (std::string word; stream >> word;) {
        all.push_back(word);
    }
    return all;
}

// A whole word that reads as a number, brackets of a display taken off.
bool number(std::string word, double& value) {
    if (!word.empty() && word.front() == '[') {
        word.erase(0, 1);
    }
    if (!word.empty() && word.back() == ']') {
        word.pop_back();
    }
    if (word.empty()) {
        return false;
    }
    char* end = nullptr;
    value = std::strtod(word.c_str(), &end);
    return *end == '\0' && std::isfinite(value);
}

bool lastDigitsOnly(const std::string& linux, const std::string& windows) {
    const std::vector<std::string> a = words(linux);
    const std::vector<std::string> b = words(windows);
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        double x = 0;
        double y = 0;
        if (a[i] == b[i]) {
            continue;
        }
        if (!number(a[i], x) || !number(b[i], y) ||
            std::fabs(x - y) > 1e-9 * std::fmax(std::fabs(x), std::fabs(y))) {
            return false;
        }
    }
    return true;
}

// "case: linux-word -> windows-word ..." for the words that differ.
std::string differingWords(const std::string& linux, const std::string& windows) {
    const std::vector<std::string> a = words(linux);
    const std::vector<std::string> b = words(windows);
    std::string text = a.size() > 1 ? a[1] + ":" : std::string();
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (a[i] != b[i]) {
            text += " " + a[i] + " (Linux) " + b[i] + " (Windows)";
        }
    }
    return text;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: compare LINUX-OUTPUT WINDOWS-OUTPUT\n";
        return 2;
    }
    const std::vector<std::string> linux = lines(argv[1]);
    const std::vector<std::string> windows = lines(argv[2]);
    int exactSame = 0;
    int mathsSame = 0;
    int failures = 0;
    std::vector<std::string> known;
    if (linux.size() != windows.size() || linux.empty()) {
        std::printf("FAIL %zu lines on Linux, %zu on Windows\n", linux.size(), windows.size());
        return 1;
    }
    for (std::size_t i = 0; i < linux.size(); ++i) {
        const std::string& a = linux[i];
        const std::string& b = windows[i];
        const bool maths = a.rfind("maths ", 0) == 0;
        if (a == b) {
            ++(maths ? mathsSame : exactSame);
        } else if (maths && lastDigitsOnly(a, b)) {
            known.push_back("  " + differingWords(a, b));
        } else {
            std::printf("FAIL line %zu differs\n  Linux:   %s\n  Windows: %s\n", i + 1, a.c_str(),
                        b.c_str());
            ++failures;
        }
    }
    std::printf("Known platform differences (maths library, last digits of an unrounded value): "
                "%zu\n",
                known.size());
    for (const std::string& k : known) {
        std::printf("%s\n", k.c_str());
    }
    std::printf("%s: %zu lines; exact %d the same; maths %d the same, %zu known platform "
                "differences; %d failures\n",
                failures == 0 ? "PASS" : "FAIL", linux.size(), exactSame, mathsSame, known.size(),
                failures);
    return failures == 0 ? 0 : 1;
}
