#include "Table.h"

#include <cmath>
#include <cstdio>

void Table::print() const
{
    std::vector<size_t> widths(header.size(), 0);
    auto widen = [&](const std::vector<std::string>& row) {
        for (size_t i = 0; i < row.size() && i < widths.size(); ++i)
            widths[i] = row[i].size() > widths[i] ? row[i].size() : widths[i];
    };
    widen(header);
    for (const auto& row : rows)
        widen(row);
    auto line = [&](const std::vector<std::string>& row) {
        for (size_t i = 0; i < row.size() && i < widths.size(); ++i)
            printf(i == 0 ? "%-*s" : "  %*s", (int)widths[i], row[i].c_str());
        printf("\n");
    };
    line(header);
    for (const auto& row : rows)
        line(row);
}

void Table::addMeasured(std::vector<std::string> row, size_t keys)
{
    for (size_t i = keys; i < row.size(); ++i)
        if (row[i] != "n/a") {
            add(std::move(row));
            return;
        }
}

std::string Table::number(double value, int decimals, const char* suffix)
{
    if (!(value >= 0) || std::isinf(value))
        return "n/a";
    char text[64];
    snprintf(text, sizeof text, "%.*f%s", decimals, value, suffix);
    return text;
}

std::string Table::count(long value)
{
    std::string digits = std::to_string(value < 0 ? -value : value);
    std::string out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i && (digits.size() - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return value < 0 ? "-" + out : out;
}
