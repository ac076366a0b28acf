// The reserved slots of IQuarnLabel: they keep their argument lists and
// results so that the host's calls balance, and act on nothing.
#include "module/label_monitor_dlg.h"

void CLabelMonitorDlg::Reserved3() {}
int CLabelMonitorDlg::Reserved9() { return 1; }
int CLabelMonitorDlg::Reserved10() { return 1; }
int CLabelMonitorDlg::Reserved11(const std::string&) { return 1; }
void CLabelMonitorDlg::Reserved12() {}
void CLabelMonitorDlg::Reserved13() {}
int CLabelMonitorDlg::Reserved14(int32_t) { return 1; }
void CLabelMonitorDlg::Reserved15(int32_t) {}
int CLabelMonitorDlg::Reserved16(int32_t, int32_t) { return 1; }
int CLabelMonitorDlg::Reserved17(int32_t, int32_t, int32_t, int32_t, int32_t) { return 0; }
int CLabelMonitorDlg::Reserved18(int32_t, int32_t, int32_t, int32_t) { return 0; }
int CLabelMonitorDlg::Reserved19(int32_t, int32_t, int32_t, int32_t, int32_t) { return 0; }
int CLabelMonitorDlg::Reserved20(int32_t, int32_t, int32_t, int32_t, int32_t) { return 0; }
void CLabelMonitorDlg::Reserved21(int32_t) {}
void CLabelMonitorDlg::Reserved22() {}
int CLabelMonitorDlg::Reserved23() { return 0; }
int CLabelMonitorDlg::Reserved24(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) { return 0; }
int CLabelMonitorDlg::Reserved25(int32_t, int32_t, const std::string&, int32_t, int32_t) { return 0; }
void CLabelMonitorDlg::Reserved26(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) {}
void CLabelMonitorDlg::Reserved27(int32_t) {}
void CLabelMonitorDlg::Reserved28(const std::string&, int32_t, int32_t, int32_t, int32_t, const std::string&) {}
