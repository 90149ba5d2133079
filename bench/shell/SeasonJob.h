#pragma once
// A season's job for the benchmarks: points stored all over a 10 km square site (north and east
// from 0 to 10,000 m, so that the map's first view at the origin shows its corner), in the point
// file's and the record file's lines as the stores write them.
#include <filesystem>
#include <string>

inline constexpr double kSiteMetres = 10000.0;

// `base`.xyh and `base`.rec in `dataFolder` with `points` lines each.
void WriteSeasonPoints(const std::filesystem::path& dataFolder, const std::string& base, long points);
// Sets a key of a job settings file already written (the program writes every key).
void SetJobKey(const std::filesystem::path& settingsFile, const std::string& key, const std::string& value);
