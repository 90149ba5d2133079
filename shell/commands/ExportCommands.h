#pragma once
// The 工程 menu's results exports, each run modally over `parent` on the current job's files.
class CWnd;
class IExportHost;

void RunResultExport(const IExportHost& host, CWnd* parent);
void RunBlhExport(const IExportHost& host, CWnd* parent);
