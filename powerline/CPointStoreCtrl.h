#pragma once
// The point store of the two power-line screens. It keeps the template of the next point (the
// context the screen sets, the attributes and names that carry over from point to point), the
// store context and the last stored position. A store dialog's answers become a new template by
// the take-over rule of the context's kind and survey format; Commit writes that point through the
// job's one store path and only then adopts it, so a refused or failed store changes nothing.
// Names start from the job's and go back to it with every store: no name is offered twice.
#include <vector>

#include "foundation/CGpsState.h"
#include "foundation/PointRecord.h"
#include "foundation/StorePointSubBlock.h"
#include "foundation/SurveyPointRec.h"
#include "powerline/StoreAnswers.h"
#include "survey/StoreFiles.h"

class IPowerlineHost;
class ISurveyHost;

// Store kinds of the context.
enum PowerlineStoreKind { kPowerLinePoint = 0, kTowerSectionPoint = 1 };
// Survey formats (point-file column 16).
enum SurveyFormat { kDaoheng = 0, kSiwei, kHaizhi, kXlcad, kGeneral, kSibeida, kBaihe, kSurveyFormatCount };

class CPointStoreCtrl {
public:
    // The template's defaults with the job's next name and J, Z and N series.
    CPointStoreCtrl(IPowerlineHost& host, const ISurveyHost& survey);

    // Mileage (column 18), offset (29), height difference (30), the side-stake source text (also
    // column 27), number and reference height, and the text of column 28.
    void SetLineContext(double mileage, double offset, double heightDifference, const CString& sideStakeText,
                        int sideStakeNumber, double sideStakeHeight, const CString& secondText);
    // Store mode (0 normal, 1 offset, 2 smoothing, 3 automatic), kind, survey format, proposed
    // name and code, and the automatic-store condition and interval of the raw tail.
    void SetPointContext(int storeMode, int storeKind, int surveyFormat, const CString& name,
                         int autoCondition, double autoInterval, const CString& code);
    void SetColumn34Value(int value) { template_.int34 = value; }
    // The label of the tower section the section screen stakes, shown by its store dialog.
    void SetSectionLabel(const CString& label) { sectionLabel_ = label; }
    // The point file in the data folder, and the raw file beside it ("blh" for its last three letters).
    void MakeBlhName(const CString& dataFolder, const CString& pointFileName);
    void SetStoredPosition(const PointRecord& point);
    // The trailing number of the name advanced by the step (J009 by 1 gives J10; Pt gives Pt1).
    static void IncrementName(CString& name, int step);

    const SurveyPointRec& Template() const { return template_; }
    const StorePointSubBlock& Context() const { return context_; }
    const CString& SectionLabel() const { return sectionLabel_; }
    bool HasStoredPosition() const { return storedValid_; }
    const PointRecord& StoredPosition() const { return stored_; }
    const StoredPointResult& LastResult() const { return lastResult_; }
    // The name a store dialog offers: the proposed name when there is one, else the next name.
    CString OfferedName() const;

    // What a store dialog shows first: the offered name and the template's fields as texts.
    StoreAnswers PrimedAnswers() const;
    // The point a store dialog's answers make of the template: its fields, name and point kind,
    // the series or next name moved on, the smoothing counts of the store mode.
    SurveyPointRec TakeOver(const StoreAnswers& answers) const;
    // The point stored without dialog by automatic storing: the next name, a terrain point.
    SurveyPointRec QuickPoint() const;
    // Automatic storing started in its dialog: the start name is offered next.
    void TakeAutoStoreStart(const CString& startName, const CString& code, double antennaHeight);

    // Writes the point with the fix's columns: the names go to the system file first, then the
    // raw lines of the epochs, the point line and the library line. Stored (also when only the
    // library line failed): the point becomes the template and the job takes the names.
    StoreWritten Commit(SurveyPointRec point, const CGpsState& fix, const std::vector<StoreEpoch>& epochs);

private:
    StoreFilePaths Paths() const;

    IPowerlineHost& host_;
    const ISurveyHost& survey_;
    bool storedValid_ = false;
    PointRecord stored_;
    SurveyPointRec template_;
    StorePointSubBlock context_;
    StoredPointResult lastResult_;
    CString sectionLabel_;
    CString pointPath_, rawPath_;
};
