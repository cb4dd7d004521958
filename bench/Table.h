#ifndef KIVPARSER_BENCH_TABLE_H
#define KIVPARSER_BENCH_TABLE_H

#include <string>
#include <vector>

// A table for the terminal: columns as wide as their widest cell, the first
// column left-aligned, the others right-aligned.
class Table {
public:
    explicit Table(std::vector<std::string> header) : header(std::move(header)) {}
    void add(std::vector<std::string> row) { rows.push_back(std::move(row)); }
    // Adds the row unless every cell after the first `keys` is "n/a".
    void addMeasured(std::vector<std::string> row, size_t keys);
    bool empty() const { return rows.empty(); }
    void print() const;

    // A number with `decimals` decimals and an optional suffix; "n/a" when it
    // was not measured (negative, infinite or not a number).
    static std::string number(double value, int decimals, const char* suffix = "");
    // A count with thousands separators: 6,581,160.
    static std::string count(long value);

private:
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
};

#endif
