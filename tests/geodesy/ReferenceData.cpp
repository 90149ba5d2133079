#include "ReferenceData.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

std::vector<ReferenceRow> ReadReferenceRows(const std::string& fileName) {
    std::vector<ReferenceRow> rows;
    std::ifstream in(std::string(QZ_SOURCE_DIR) + "/tests/geodesy/data/" + fileName);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string field;
        ReferenceRow row;
        std::getline(fields, row.name, ',');
        while (std::getline(fields, field, ',')) row.numbers.push_back(std::strtod(field.c_str(), nullptr));
        rows.push_back(row);
    }
    return rows;
}
