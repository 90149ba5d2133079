#include "tools/receiver-sim/sim/SimWalk.h"

#include <cmath>
#include <sstream>

namespace sim {

namespace {

constexpr double kEarthRadius = 6378137.0;
constexpr double kPi = 3.14159265358979323846;

bool ParseFix(const std::string& word, FixKind* fix) {
    static const struct {
        const char* name;
        FixKind fix;
    } kNames[] = {{"none", FixKind::kNone},
                  {"single", FixKind::kSingle},
                  {"dgps", FixKind::kDgps},
                  {"float", FixKind::kFloat},
                  {"fixed", FixKind::kFixed}};
    for (const auto& n : kNames)
        if (word == n.name) {
            *fix = n.fix;
            return true;
        }
    return false;
}

}  // namespace

const char* FixName(FixKind fix) {
    switch (fix) {
        case FixKind::kNone:
            return "none";
        case FixKind::kSingle:
            return "single";
        case FixKind::kDgps:
            return "dgps";
        case FixKind::kFloat:
            return "float";
        case FixKind::kFixed:
            return "fixed";
    }
    return "none";
}

WalkScript WalkScript::Default() {
    WalkScript script;
    script.legs = {{20, 0, 20, 0, FixKind::kSingle},
                   {20, 20, 0, 0.5, FixKind::kDgps},
                   {20, 0, -20, 0, FixKind::kFloat},
                   {20, -20, 0, -0.5, FixKind::kFixed}};
    return script;
}

namespace {
struct Target {
    size_t leg;
    double latitude;
    double longitude;
    double height;
};

// Each goto leg becomes the move from where the legs before it end to its position.
void ResolveTargets(WalkScript& script, const std::vector<Target>& targets) {
    const double metresPerDegree = kEarthRadius * kPi / 180.0;
    for (const Target& target : targets) {
        double north = 0, east = 0, up = 0;
        for (size_t i = 0; i < target.leg; ++i) {
            north += script.legs[i].north;
            east += script.legs[i].east;
            up += script.legs[i].up;
        }
        Leg& leg = script.legs[target.leg];
        leg.north = (target.latitude - script.originLat) * metresPerDegree - north;
        leg.east = (target.longitude - script.originLon) * metresPerDegree *
                       std::cos(script.originLat * kPi / 180.0) -
                   east;
        leg.up = target.height - script.originHeight - up;
    }
}
}  // namespace

bool WalkScript::Parse(const std::string& text, WalkScript* script, std::string* error) {
    WalkScript result;
    std::vector<Target> targets;
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        line = line.substr(0, line.find('#'));
        std::istringstream words(line);
        std::string keyword;
        if (!(words >> keyword)) continue;
        bool ok = false;
        if (keyword == "origin") {
            ok = static_cast<bool>(words >> result.originLat >> result.originLon >> result.originHeight);
        } else if (keyword == "rate") {
            ok = static_cast<bool>(words >> result.rateHz) && result.rateHz >= 1 && result.rateHz <= 20;
        } else if (keyword == "leg") {
            Leg leg;
            std::string fix;
            ok = static_cast<bool>(words >> leg.seconds >> leg.north >> leg.east >> leg.up >> fix) &&
                 leg.seconds > 0 && ParseFix(fix, &leg.fix);
            if (ok) result.legs.push_back(leg);
        } else if (keyword == "goto") {
            Leg leg;
            Target target{result.legs.size(), 0, 0, 0};
            std::string fix;
            ok = static_cast<bool>(words >> leg.seconds >> target.latitude >> target.longitude >>
                                   target.height >> fix) &&
                 leg.seconds > 0 && ParseFix(fix, &leg.fix);
            if (ok) {
                result.legs.push_back(leg);
                targets.push_back(target);
            }
        } else if (keyword == "station") {
            ok = static_cast<bool>(words >> result.stationLat >> result.stationLon >> result.stationHeight >>
                                   result.stationId);
            result.hasStation = ok;
        }
        if (!ok) {
            *error = "script line " + std::to_string(number) + ": " + line;
            return false;
        }
    }
    if (result.legs.empty()) result.legs = Default().legs;
    ResolveTargets(result, targets);
    *script = result;
    return true;
}

WalkPoint WalkScript::Station() const {
    WalkPoint p;
    p.latitude = hasStation ? stationLat : originLat;
    p.longitude = hasStation ? stationLon : originLon;
    p.height = hasStation ? stationHeight : originHeight;
    return p;
}

WalkPoint WalkScript::At(double seconds) const {
    double total = 0;
    for (const Leg& leg : legs) total += leg.seconds;
    double t = total > 0 ? std::fmod(seconds, total) : 0;
    double north = 0, east = 0, up = 0;
    FixKind fix = legs.empty() ? FixKind::kSingle : legs.front().fix;
    for (const Leg& leg : legs) {
        const double part = std::min(t, leg.seconds) / leg.seconds;
        north += leg.north * part;
        east += leg.east * part;
        up += leg.up * part;
        if (t <= leg.seconds) {
            fix = leg.fix;
            break;
        }
        t -= leg.seconds;
    }
    WalkPoint p;
    p.latitude = originLat + north / kEarthRadius * 180.0 / kPi;
    p.longitude = originLon + east / (kEarthRadius * std::cos(originLat * kPi / 180.0)) * 180.0 / kPi;
    p.height = originHeight + up;
    p.fix = fix;
    return p;
}

}  // namespace sim
