#include "bench/shell/SeasonJob.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>

void WriteSeasonPoints(const std::filesystem::path& dataFolder, const std::string& base, long points) {
    std::filesystem::create_directories(dataFolder);
    std::ofstream xyh(dataFolder / (base + ".xyh"), std::ios::binary);
    std::ofstream rec(dataFolder / (base + ".rec"), std::ios::binary);
    std::mt19937 random(44);
    std::uniform_real_distribution<double> site(0.0, kSiteMetres);
    char n[32], e[32];
    for (long i = 0; i < points; ++i) {
        std::snprintf(n, sizeof n, "%.3f", site(random));
        std::snprintf(e, sizeof e, "%.3f", site(random));
        xyh << "P" << i << "," << n << "," << e << ",45.600,pole,1.800,10,0.012,0.020,12,1.50,12:00:00,"
            << "2011-09-26,3,0,0,0,0.00,0,0,0.000,0,0.000,a,b,0.000,c,d,0.000,0.000,e,f,g,0,t1,t2,\r\n";
        rec << "P" << i << "," << n << "0," << e << "0,45.6000,pole\r\n";
    }
}

void SetJobKey(const std::filesystem::path& settingsFile, const std::string& key, const std::string& value) {
    std::string text;
    {
        std::ifstream in(settingsFile, std::ios::binary);
        text.assign(std::istreambuf_iterator<char>(in), {});
    }
    const size_t at = text.find("\n" + key + "=");
    if (at == std::string::npos) return;
    const size_t start = at + key.size() + 2, end = text.find_first_of("\r\n", start);
    text.replace(start, end - start, value);
    std::ofstream(settingsFile, std::ios::binary) << text;
}
