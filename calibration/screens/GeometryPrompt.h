#pragma once
// The question before parameters from a weak layout are applied: what a centimetre of measurement
// error does on the site, against the job's limits.
#include "geodesy/GeometryStrength.h"
#include "platform/text/CString.h"

class CWnd;

// The question's text: the figures over their limits, or the coincident points.
CString GeometryQuestion(const GeometryEstimate& estimate);
// True for a layout within the limits, or when the user answers Yes to the question.
bool AcceptGeometry(CWnd* parent, const GeometryEstimate& estimate);
