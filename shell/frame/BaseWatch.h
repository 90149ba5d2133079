#pragma once
// The base watch: every base position a rover hears is turned into latitude, longitude and grid
// coordinates, the job's record of its base is kept up to date, three small result files are
// written, and a moved base or a different base raises a warning. Bytes cut aside from the end of a
// file it appends to are told through its notice sink.
#include <functional>

#include "foundation/CGpsState.h"
#include "foundation/DataFileAppend.h"

class JobSession;
class PositionConverter;
class Supervision;

class BaseWatch {
public:
    using NoticeSink = std::function<void(const CString&)>;
    BaseWatch(JobSession& job, const PositionConverter& position, Supervision& supervision, NoticeSink tell)
        : job_(job), position_(position), supervision_(supervision), tell_(std::move(tell)) {}

    // Fills the state's base latitude, longitude and height, and follows the base it names.
    void Update(CGpsState& state);

private:
    // Appends the "NowBase" line to the result folder's "basecoord.blh".
    void WriteBaseCoordFile(const CGpsState& state);
    // A base that moved or changed: the previous one goes to "OldForAutoAdjust.xyh", the new one into
    // the job's record, its files and the first calibration slot.
    void WriteOldBaseFile();
    void TakeNewBase(const CGpsState& state);
    // A failed append does not stop the watch; bytes cut aside are told.
    void TellCut(const CString& path, const LinesAppended& appended) const;

    JobSession& job_;
    const PositionConverter& position_;
    Supervision& supervision_;
    NoticeSink tell_;
};
