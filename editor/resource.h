// Resource identifiers of the editor shell: main window (Form1), help window
// (Form12) and about box (Form13). Control ids carry the form's control names.
#pragma once

#define IDI_VDKEDIT 1

#define IDD_FORM1 100
#define IDC_FORM1_TEXT2 1001
#define IDC_FORM1_COMMAND2 1002
#define IDC_FORM1_TEXT3 1003
#define IDC_FORM1_COMMAND3 1004
#define IDC_FORM1_FRAME1 1005
#define IDC_FORM1_LIST1 1006
#define IDC_FORM1_COMMAND4 1007
#define IDC_FORM1_FRAME2 1008
#define IDC_FORM1_COMMAND5 1009
#define IDC_FORM1_COMMAND6 1010
#define IDC_FORM1_COMMAND7 1011
#define IDC_FORM1_COMMAND8 1012

#define IDD_FORM12 120
#define IDC_FORM12_TEXT1 1201
#define IDC_FORM12_COMMAND1 1202
#define IDC_FORM12_COMMAND2 1203
#define IDC_FORM12_COMMAND3 1204

#define IDD_FORM13 130
#define IDC_FORM13_COMMAND1 1301
#define IDC_FORM13_TITLE 1302
#define IDC_FORM13_AUTHOR 1303
#define IDC_FORM13_TOOL 1304
#define IDC_FORM13_DATE 1305
