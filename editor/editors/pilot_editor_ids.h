// Resource ids of the pilot ability editor (Form3).
#pragma once

#define IDD_FORM3 203

#define IDC_FORM3_LIST1 3001
#define IDC_FORM3_COMMAND1 3002
#define IDC_FORM3_COMMAND2 3003
#define IDC_FORM3_COMMAND3 3004

// Text2 to Text8: SP and the six stats.
#define IDC_FORM3_TEXT2 3010
#define IDC_FORM3_TEXT3 3011
#define IDC_FORM3_TEXT4 3012
#define IDC_FORM3_TEXT5 3013
#define IDC_FORM3_TEXT6 3014
#define IDC_FORM3_TEXT7 3015
#define IDC_FORM3_TEXT8 3016
#define IDC_FORM3_COMBO3 3017
#define IDC_FORM3_COMBO2 3018
#define IDC_FORM3_TEXT16 3019

// Combo1(0) to Combo1(5), Text9(0) to Text9(5), Text10(0) to Text10(5): the
// spirit commands, their SP costs and learning levels.
#define IDC_FORM3_COMBO1_0 3020
#define IDC_FORM3_TEXT9_0 3030
#define IDC_FORM3_TEXT10_0 3040

// Combo7(0) to Combo7(5): the skills; their row codes Text22, Text23,
// Text24, Text25, Text26, Text28 in skill order.
#define IDC_FORM3_COMBO7_0 3050
#define IDC_FORM3_TEXT22 3060
#define IDC_FORM3_TEXT23 3061
#define IDC_FORM3_TEXT24 3062
#define IDC_FORM3_TEXT25 3063
#define IDC_FORM3_TEXT26 3064
#define IDC_FORM3_TEXT28 3065

// Text27(0) to Text27(15): the trust-bonus codes.
#define IDC_FORM3_TEXT27_0 3070

// Check1(0) to Check1(7), Check2(0) to Check2(7): the boarding flags.
#define IDC_FORM3_CHECK1_0 3100
#define IDC_FORM3_CHECK2_0 3110

// The nine level boxes of each skill's growth row: Text13, Text17, Text18,
// Text19, Text20, Text21, element k at the row's first id + k.
#define IDC_FORM3_TEXT13_0 3120
#define IDC_FORM3_TEXT17_0 3130
#define IDC_FORM3_TEXT18_0 3140
#define IDC_FORM3_TEXT19_0 3150
#define IDC_FORM3_TEXT20_0 3160
#define IDC_FORM3_TEXT21_0 3170

// Frames.
#define IDC_FORM3_FRAME1 3180
#define IDC_FORM3_FRAME2 3181
#define IDC_FORM3_FRAME3 3182
#define IDC_FORM3_FRAME4 3183
#define IDC_FORM3_FRAME5 3184
#define IDC_FORM3_FRAME6 3185
