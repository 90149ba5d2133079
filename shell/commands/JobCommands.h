#pragma once
// The job commands of the main menu: new job, open job, new point file, open point file, and the
// target-point store. A job or point file that becomes current empties the map's points, and the
// store's names go on after those its point file holds.
#include <vector>

#include "platform/text/CString.h"

class CWnd;
class IFrameOperations;
class IPointStorePath;
class JobSession;
class ReceiverLink;
class Supervision;
class SurveyRecords;

class JobCommands {
public:
    JobCommands(JobSession& job, SurveyRecords& records, Supervision& watch, const ReceiverLink& receiver,
                IPointStorePath& storePath, IFrameOperations& window)
        : job_(job),
          records_(records),
          watch_(watch),
          receiver_(receiver),
          storePath_(storePath),
          window_(window) {}

    void NewJob();
    void OpenJob();
    void NewPointFile();
    void OpenPointFile();
    // Stores the live fix as a point, refused while no fix came in.
    void TargetPointSurvey();

private:
    struct NewJobStart;

    CWnd* DialogParent() const;
    void ShowTitle();
    void TakeJobSettings();
    void TakePointFile(const CString& name);
    void ContinueNamesFrom(const CString& pointFile);
    void LoadRecords();
    bool ChooseNewJobStart(int mode, NewJobStart& start);
    bool WriteNewJobFolder(const CString& jobFile, const CString& jobFolder, int mode,
                           const NewJobStart& start, const CString& pointFile);

    JobSession& job_;
    SurveyRecords& records_;
    Supervision& watch_;
    const ReceiverLink& receiver_;
    IPointStorePath& storePath_;
    IFrameOperations& window_;
};
